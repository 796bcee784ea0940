#pragma once

#include <QDialog>
#include <array>

#include "ui/ElidedLabel.h"

class QGroupBox;
class QLayout;
class QLineEdit;
class QRadioButton;

namespace quintara::ui {

// The opponent and level dialog: the computer or a second player, both names, and the
// computer's level. It lives for the whole run (hidden, not destroyed) and every choice takes
// effect at once; "Annuler" undoes nothing.
class OpponentDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OpponentDialog(QWidget* parent = nullptr);

  QString PlayerName1() const;
  QString PlayerName2() const;

  // The controls, for the tests.
  QRadioButton* opponentButton(int index) const {
    return opponentButtons_[static_cast<std::size_t>(index)];
  }
  QRadioButton* levelButton(int index) const {
    return levelButtons_[static_cast<std::size_t>(index)];
  }
  QLineEdit* nameField(int index) const { return nameFields_[static_cast<std::size_t>(index)]; }
  ElidedLabel* firstNameLabel() const { return firstNameLabel_; }

 signals:
  void levelChosen(int level);  // 1..4
  void opponentChosen(bool againstComputer);
  void namesChanged(const QString& name1, const QString& name2);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QGroupBox* CreateOpponentsFrame();
  QGroupBox* CreateLevelsFrame();
  QLayout* CreateButtons();
  void chooseOpponent(int index);
  void chooseLevel(int index);
  void nameEdited(int index);
  void ok();
  void cancel();

  std::array<QRadioButton*, 2> opponentButtons_{};
  std::array<QRadioButton*, 4> levelButtons_{};
  std::array<QLineEdit*, 2> nameFields_{};
  QGroupBox* levelsFrame_ = nullptr;
  ElidedLabel* firstNameLabel_ = nullptr;
};

}  // namespace quintara::ui
