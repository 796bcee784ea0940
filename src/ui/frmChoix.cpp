#include "ui/frmChoix.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "board/Geometry.h"
#include "game/Texts.h"
#include "ui/ColourBar.h"
#include "ui/Colours.h"
#include "ui/ElidedLabel.h"
#include "ui/WindowTexts.h"

namespace quintara::ui {

namespace {

constexpr int kLongestOpponentCaption = 14;  // a second name shorter than 15 characters

}  // namespace

frmChoix::frmChoix(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmChoix"));
  setWindowTitle(QStringLiteral("Quintara version 2"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateOpponentsFrame());
  layout->addWidget(CreateLevelsFrame());
  layout->addLayout(CreateButtons());
  // Laid out once: no name, long or short, changes the dialog's width or its fields'.
  setFixedWidth(sizeHint().width());
}

QGroupBox* frmChoix::CreateOpponentsFrame() {
  auto* opponents = new QGroupBox(QStringLiteral("Adversaires"), this);
  opponents->setObjectName(QStringLiteral("fraAdversaires"));
  auto* grid = new QGridLayout(opponents);
  optJoueur2_[0] =
      new QRadioButton(QString::fromUtf8(quintara::texts::kDefaultPlayerName2), opponents);
  optJoueur2_[1] = new QRadioButton(QStringLiteral("Autres"), opponents);
  optJoueur2_[0]->setChecked(true);
  grid->addWidget(optJoueur2_[0], 0, 0);
  // Its caption becomes the second name: it takes the room over "contre" and the second field
  // and never widens them.
  optJoueur2_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  grid->addWidget(optJoueur2_[1], 0, 1, 1, 2);

  txtAdversaires_[0] = new QLineEdit(QString::fromUtf8(quintara::texts::kDefaultPlayerName1));
  txtAdversaires_[1] = new QLineEdit(QString::fromUtf8(quintara::texts::kDefaultPlayerName2));
  txtAdversaires_[0]->setAccessibleName(QStringLiteral("Joueur vert"));
  txtAdversaires_[1]->setAccessibleName(QStringLiteral("Joueur rouge"));
  txtAdversaires_[1]->setReadOnly(true);
  grid->addWidget(
      NewColourBar(QStringLiteral("Joueur vert"), FromRgbNumber(HumanColour), opponents), 1, 0);
  grid->addWidget(txtAdversaires_[0], 2, 0);
  grid->addWidget(new QLabel(QStringLiteral("contre")), 2, 1, Qt::AlignCenter);
  grid->addWidget(
      NewColourBar(QStringLiteral("Joueur rouge"), FromRgbNumber(ComputerColour), opponents), 1, 2);
  grid->addWidget(txtAdversaires_[1], 2, 2);
  lblJoueur1_ = new ElidedLabel;
  lblJoueur1_->setObjectName(QStringLiteral("lblJoueur1"));
  lblJoueur1_->setFullText(txtAdversaires_[0]->text());
  grid->addWidget(lblJoueur1_, 3, 0);

  for (int k = 0; k < 2; ++k) {
    connect(optJoueur2_[static_cast<std::size_t>(k)], &QRadioButton::toggled, this,
            [this, k](bool chosen) {
              if (chosen) optJoueur2_Click(k);
            });
    connect(txtAdversaires_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
            [this, k] { txtAdversaires_Change(k); });
    txtAdversaires_[static_cast<std::size_t>(k)]->installEventFilter(this);
  }
  return opponents;
}

QGroupBox* frmChoix::CreateLevelsFrame() {
  fraNiveaux_ = new QGroupBox(QStringLiteral("Niveaux"), this);
  fraNiveaux_->setObjectName(QStringLiteral("fraNiveaux"));
  auto* row = new QHBoxLayout(fraNiveaux_);
  for (int k = 0; k < 4; ++k) {
    auto* button = new QRadioButton(QStringLiteral("Niveau %1").arg(k + 1), fraNiveaux_);
    optNiveau_[static_cast<std::size_t>(k)] = button;
    row->addWidget(button);
    // A button acts when it becomes the chosen one, by a click, an arrow key or a screen
    // reader's toggle (which checks it without clicking).
    connect(button, &QRadioButton::toggled, this, [this, k](bool chosen) {
      if (chosen) optNiveau_Click(k);
    });
  }
  optNiveau_[0]->setChecked(true);
  return fraNiveaux_;
}

QLayout* frmChoix::CreateButtons() {
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &frmChoix::cmdOk_Click);
  connect(cancel, &QPushButton::clicked, this, &frmChoix::cmdAnnuler_Click);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

QString frmChoix::PlayerName1() const {
  return txtAdversaires_[0]->text();
}
QString frmChoix::PlayerName2() const {
  return txtAdversaires_[1]->text();
}

void frmChoix::optJoueur2_Click(int index) {
  const bool computer = index == 0;
  txtAdversaires_[1]->setReadOnly(computer);
  txtAdversaires_[1]->setText(QString::fromUtf8(computer ? quintara::texts::kDefaultPlayerName2
                                                         : ui::texts::kSecondPlayerName));
  fraNiveaux_->setVisible(computer);
  adjustSize();  // the height, to the frames shown
  emit opponentChosen(computer);
}

void frmChoix::optNiveau_Click(int index) {
  emit levelChosen(index + 1);
}

void frmChoix::txtAdversaires_Change(int index) {
  if (index == 0) {
    lblJoueur1_->setFullText(PlayerName1());
  } else {
    const QString name = PlayerName2();
    if (name != QString::fromUtf8(quintara::texts::kDefaultPlayerName2) &&
        name.size() <= kLongestOpponentCaption) {
      optJoueur2_[1]->setText(name);
    }
  }
  emit namesChanged(PlayerName1(), PlayerName2());
}

bool frmChoix::eventFilter(QObject* watched, QEvent* event) {
  // The whole name is selected when its field gets the focus, ready to be typed over.
  if (event->type() == QEvent::FocusIn) {
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Both buttons only hide the dialog; the main window takes the keyboard back after it.
void frmChoix::cmdOk_Click() {
  accept();
}

void frmChoix::cmdAnnuler_Click() {
  reject();
}

}  // namespace quintara::ui
