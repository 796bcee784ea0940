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
class frmChoix : public QDialog {
  Q_OBJECT

 public:
  explicit frmChoix(QWidget* parent = nullptr);

  QString PlayerName1() const;
  QString PlayerName2() const;

  // The controls, for the tests.
  QRadioButton* optJoueur2(int index) const { return optJoueur2_[static_cast<std::size_t>(index)]; }
  QRadioButton* optNiveau(int index) const { return optNiveau_[static_cast<std::size_t>(index)]; }
  QLineEdit* txtAdversaires(int index) const {
    return txtAdversaires_[static_cast<std::size_t>(index)];
  }
  ElidedLabel* lblJoueur1() const { return lblJoueur1_; }

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
  void optJoueur2_Click(int index);
  void optNiveau_Click(int index);
  void txtAdversaires_Change(int index);
  void cmdOk_Click();
  void cmdAnnuler_Click();

  std::array<QRadioButton*, 2> optJoueur2_{};
  std::array<QRadioButton*, 4> optNiveau_{};
  std::array<QLineEdit*, 2> txtAdversaires_{};
  QGroupBox* fraNiveaux_;
  ElidedLabel* lblJoueur1_;
};

}  // namespace quintara::ui
