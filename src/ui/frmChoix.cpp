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

namespace quintara::ui {

namespace {

constexpr int kLongestOpponentCaption = 14;  // a second name shorter than 15 characters

}  // namespace

frmChoix::frmChoix(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmChoix"));
  setWindowTitle(QStringLiteral("Quintara version 2"));
  setModal(true);

  auto* opponents = new QGroupBox(QStringLiteral("Adversaires"), this);
  opponents->setObjectName(QStringLiteral("fraAdversaires"));
  auto* opponentsLayout = new QGridLayout(opponents);
  optJoueur2_[0] = new QRadioButton(QStringLiteral("Ordinateur"), opponents);
  optJoueur2_[1] = new QRadioButton(QStringLiteral("Autres"), opponents);
  optJoueur2_[0]->setChecked(true);
  opponentsLayout->addWidget(optJoueur2_[0], 0, 0);
  opponentsLayout->addWidget(optJoueur2_[1], 0, 1);

  txtAdversaires_[0] = new QLineEdit(QString::fromUtf8(texts::kDefaultPlayerName1));
  txtAdversaires_[1] = new QLineEdit(QString::fromUtf8(texts::kDefaultPlayerName2));
  txtAdversaires_[0]->setAccessibleName(QStringLiteral("Joueur vert"));
  txtAdversaires_[1]->setAccessibleName(QStringLiteral("Joueur rouge"));
  txtAdversaires_[1]->setReadOnly(true);
  opponentsLayout->addWidget(
      NewColourBar(QStringLiteral("Joueur vert"), FromRgbNumber(HumanColour), opponents), 1, 0);
  opponentsLayout->addWidget(txtAdversaires_[0], 2, 0);
  opponentsLayout->addWidget(new QLabel(QStringLiteral("contre")), 2, 1, Qt::AlignCenter);
  opponentsLayout->addWidget(
      NewColourBar(QStringLiteral("Joueur rouge"), FromRgbNumber(ComputerColour), opponents), 1, 2);
  opponentsLayout->addWidget(txtAdversaires_[1], 2, 2);
  lblJoueur1_ = new QLabel(txtAdversaires_[0]->text());
  lblJoueur1_->setObjectName(QStringLiteral("lblJoueur1"));
  opponentsLayout->addWidget(lblJoueur1_, 3, 0);

  fraNiveaux_ = new QGroupBox(QStringLiteral("Niveaux"), this);
  fraNiveaux_->setObjectName(QStringLiteral("fraNiveaux"));
  auto* levelsLayout = new QHBoxLayout(fraNiveaux_);
  for (int k = 0; k < 4; ++k) {
    auto* button = new QRadioButton(QStringLiteral("Niveau %1").arg(k + 1), fraNiveaux_);
    optNiveau_[static_cast<std::size_t>(k)] = button;
    levelsLayout->addWidget(button);
  }
  optNiveau_[0]->setChecked(true);
  // A button acts when it becomes the chosen one, by a click, an arrow key or a screen
  // reader's toggle (which checks it without clicking).
  for (int k = 0; k < 4; ++k) {
    connect(optNiveau_[static_cast<std::size_t>(k)], &QRadioButton::toggled, this,
            [this, k](bool chosen) {
              if (chosen) optNiveau_Click(k);
            });
  }

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  auto* cancel = new QPushButton(QStringLiteral("Annuler"), this);
  ok->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(opponents);
  layout->addWidget(fraNiveaux_);
  layout->addLayout(buttons);

  for (int k = 0; k < 2; ++k) {
    connect(optJoueur2_[static_cast<std::size_t>(k)], &QRadioButton::toggled, this,
            [this, k](bool chosen) {
              if (chosen) optJoueur2_Click(k);
            });
    connect(txtAdversaires_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
            [this, k] { txtAdversaires_Change(k); });
    txtAdversaires_[static_cast<std::size_t>(k)]->installEventFilter(this);
  }
  connect(ok, &QPushButton::clicked, this, &frmChoix::cmdOk_Click);
  connect(cancel, &QPushButton::clicked, this, &frmChoix::cmdAnnuler_Click);
}

QString frmChoix::PlayerName1() const {
  return txtAdversaires_[0]->text();
}
QString frmChoix::PlayerName2() const {
  return txtAdversaires_[1]->text();
}
bool frmChoix::againstComputer() const {
  return optJoueur2_[0]->isChecked();
}

void frmChoix::optJoueur2_Click(int index) {
  const bool computer = index == 0;
  txtAdversaires_[1]->setReadOnly(computer);
  txtAdversaires_[1]->setText(computer ? QStringLiteral("Ordinateur") : QStringLiteral("Joueur 2"));
  fraNiveaux_->setVisible(computer);
  adjustSize();
  emit opponentChosen(computer);
}

void frmChoix::optNiveau_Click(int index) {
  level_ = index + 1;
  emit levelChosen(level_);
}

void frmChoix::txtAdversaires_Change(int index) {
  if (index == 0) {
    lblJoueur1_->setText(PlayerName1());
  } else {
    const QString name = PlayerName2();
    if (name != QStringLiteral("Ordinateur") && name.size() <= kLongestOpponentCaption) {
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

// Both buttons only hide the dialog; "OK" also brings the main window up (through accepted()).
void frmChoix::cmdOk_Click() {
  accept();
}

void frmChoix::cmdAnnuler_Click() {
  reject();
}

}  // namespace quintara::ui
