#include "ui/OpponentDialog.h"

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
#include "ui/Translations.h"

namespace quintara::ui {

namespace {

constexpr int kLongestOpponentCaption = 14;  // a second name shorter than 15 characters

// One of the game's own texts, such as a side's first name, as the game says it.
QString GameText(const char* french) {
  return QString::fromStdString(TranslatedLanguage().Translate(french));
}

}  // namespace

OpponentDialog::OpponentDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("opponentDialog"));
  setWindowTitle(tr("Quintara version 2"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreateOpponentsFrame());
  layout->addWidget(CreateLevelsFrame());
  layout->addLayout(CreateButtons());
  // Laid out once: no name, long or short, changes the dialog's width or its fields'.
  setFixedWidth(sizeHint().width());
}

QGroupBox* OpponentDialog::CreateOpponentsFrame() {
  auto* opponents = new QGroupBox(tr("Adversaires"), this);
  opponents->setObjectName(QStringLiteral("opponentsFrame"));
  auto* grid = new QGridLayout(opponents);
  opponentButtons_[0] = new QRadioButton(GameText(quintara::texts::kDefaultPlayerName2), opponents);
  opponentButtons_[1] = new QRadioButton(tr("Autres"), opponents);
  opponentButtons_[0]->setChecked(true);
  grid->addWidget(opponentButtons_[0], 0, 0);
  // Its caption becomes the second name: it takes the room over "contre" and the second field
  // and never widens them.
  opponentButtons_[1]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  grid->addWidget(opponentButtons_[1], 0, 1, 1, 2);

  nameFields_[0] = new QLineEdit(GameText(quintara::texts::kDefaultPlayerName1));
  nameFields_[1] = new QLineEdit(GameText(quintara::texts::kDefaultPlayerName2));
  nameFields_[0]->setAccessibleName(tr("Joueur vert"));
  nameFields_[1]->setAccessibleName(tr("Joueur rouge"));
  nameFields_[1]->setReadOnly(true);
  grid->addWidget(NewColourBar(tr("Joueur vert"), FromRgbNumber(HumanColour), opponents), 1, 0);
  grid->addWidget(nameFields_[0], 2, 0);
  grid->addWidget(new QLabel(tr("contre")), 2, 1, Qt::AlignCenter);
  grid->addWidget(NewColourBar(tr("Joueur rouge"), FromRgbNumber(ComputerColour), opponents), 1, 2);
  grid->addWidget(nameFields_[1], 2, 2);
  firstNameLabel_ = new ElidedLabel;
  firstNameLabel_->setObjectName(QStringLiteral("firstNameLabel"));
  firstNameLabel_->setFullText(nameFields_[0]->text());
  grid->addWidget(firstNameLabel_, 3, 0);

  for (int k = 0; k < 2; ++k) {
    connect(opponentButtons_[static_cast<std::size_t>(k)], &QRadioButton::toggled, this,
            [this, k](bool chosen) {
              if (chosen) chooseOpponent(k);
            });
    connect(nameFields_[static_cast<std::size_t>(k)], &QLineEdit::textChanged, this,
            [this, k] { nameEdited(k); });
    nameFields_[static_cast<std::size_t>(k)]->installEventFilter(this);
  }
  return opponents;
}

QGroupBox* OpponentDialog::CreateLevelsFrame() {
  levelsFrame_ = new QGroupBox(tr("Niveaux"), this);
  levelsFrame_->setObjectName(QStringLiteral("levelsFrame"));
  auto* row = new QHBoxLayout(levelsFrame_);
  for (int k = 0; k < 4; ++k) {
    auto* button = new QRadioButton(tr("Niveau %1").arg(k + 1), levelsFrame_);
    levelButtons_[static_cast<std::size_t>(k)] = button;
    row->addWidget(button);
    // A button acts when it becomes the chosen one, by a click, an arrow key or a screen
    // reader's toggle (which checks it without clicking).
    connect(button, &QRadioButton::toggled, this, [this, k](bool chosen) {
      if (chosen) chooseLevel(k);
    });
  }
  levelButtons_[0]->setChecked(true);
  return levelsFrame_;
}

QLayout* OpponentDialog::CreateButtons() {
  auto* ok = new QPushButton(tr("OK"), this);
  auto* cancel = new QPushButton(tr("Annuler"), this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &OpponentDialog::ok);
  connect(cancel, &QPushButton::clicked, this, &OpponentDialog::cancel);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  return buttons;
}

QString OpponentDialog::PlayerName1() const {
  return nameFields_[0]->text();
}
QString OpponentDialog::PlayerName2() const {
  return nameFields_[1]->text();
}

void OpponentDialog::chooseOpponent(int index) {
  const bool computer = index == 0;
  nameFields_[1]->setReadOnly(computer);
  nameFields_[1]->setText(computer ? GameText(quintara::texts::kDefaultPlayerName2)
                                   : tr("Joueur 2"));
  levelsFrame_->setVisible(computer);
  adjustSize();  // the height, to the frames shown
  emit opponentChosen(computer);
}

void OpponentDialog::chooseLevel(int index) {
  emit levelChosen(index + 1);
}

void OpponentDialog::nameEdited(int index) {
  if (index == 0) {
    firstNameLabel_->setFullText(PlayerName1());
  } else {
    const QString name = PlayerName2();
    if (name != GameText(quintara::texts::kDefaultPlayerName2) &&
        name.size() <= kLongestOpponentCaption) {
      opponentButtons_[1]->setText(name);
    }
  }
  emit namesChanged(PlayerName1(), PlayerName2());
}

bool OpponentDialog::eventFilter(QObject* watched, QEvent* event) {
  // The whole name is selected when its field gets the focus, ready to be typed over.
  if (event->type() == QEvent::FocusIn) {
    if (auto* field = qobject_cast<QLineEdit*>(watched)) {
      QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
  }
  return QDialog::eventFilter(watched, event);
}

// Both buttons only hide the dialog; the main window takes the keyboard back after it.
void OpponentDialog::ok() {
  accept();
}

void OpponentDialog::cancel() {
  reject();
}

}  // namespace quintara::ui
