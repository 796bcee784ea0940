#include "ui/frmStatistique.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "game/Game.h"
#include "ui/ColourBar.h"
#include "ui/Colours.h"
#include "ui/ReadableCount.h"
#include "ui/Twips.h"

namespace quintara::ui {

namespace {

constexpr int kWidth = 5890;
constexpr int kHeight = 4710;

QLabel* Count(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setAlignment(Qt::AlignCenter);
  label->setObjectName(name);
  ShowCount(*label, 0);
  return label;
}

}  // namespace

frmStatistique::frmStatistique(const Game& game, QWidget* parent) : QDialog(parent), game_(game) {
  setObjectName(QStringLiteral("frmStatistique"));
  setWindowTitle(QStringLiteral("Quintara"));
  setFixedSize(PixelSize(kWidth, kHeight));

  auto* layout = new QVBoxLayout(this);
  auto* heading =
      new QLabel(QStringLiteral("  Nombre de parties gagnées au cours de ce match"), this);
  layout->addWidget(heading);

  auto* levels = new QGridLayout;
  for (int level = 0; level < 4; ++level) {
    const QString name = QStringLiteral("Niveau %1").arg(level + 1);
    auto* caption = new QLabel(name, this);
    caption->setAlignment(Qt::AlignCenter);
    levels->addWidget(caption, 0, 2 * level, 1, 2);
    levels->addWidget(
        NewColourBar(name + QStringLiteral(" vert"), FromRgbNumber(HumanColour), this), 1,
        2 * level);
    levels->addWidget(
        NewColourBar(name + QStringLiteral(" rouge"), FromRgbNumber(ComputerColour), this), 1,
        2 * level + 1);
    humanWins_[static_cast<std::size_t>(level)] =
        Count(this, name + QStringLiteral(" : parties gagnées par le joueur vert"));
    computerWins_[static_cast<std::size_t>(level)] =
        Count(this, name + QStringLiteral(" : parties gagnées par le joueur rouge"));
    levels->addWidget(humanWins_[static_cast<std::size_t>(level)], 2, 2 * level);
    levels->addWidget(computerWins_[static_cast<std::size_t>(level)], 2, 2 * level + 1);
  }
  layout->addLayout(levels);

  points_ = new QLabel(this);
  layout->addWidget(points_);
  layout->addWidget(
      new QLabel(QStringLiteral("Les meilleurs scores réalisés contres l'ordinateur"), this));
  bestScores_ = new QPlainTextEdit(this);
  bestScores_->setObjectName(QStringLiteral("txtScores"));
  bestScores_->setReadOnly(true);
  bestScores_->setLineWrapMode(QPlainTextEdit::NoWrap);
  bestScores_->setAccessibleName(QStringLiteral("Les meilleurs scores"));
  layout->addWidget(bestScores_, 1);

  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);

  Refresh();
}

void frmStatistique::Refresh() {
  const MatchStatistics& statistics = game_.Statistics();
  for (std::size_t level = kLowestLevel; level <= kHighestLevel; ++level) {
    ShowCount(*humanWins_[level - 1], statistics.HumanWinsAtLevel[level]);
    ShowCount(*computerWins_[level - 1], statistics.ComputerWinsAtLevel[level]);
  }
  points_->setText(QStringLiteral("Vos points pour ce match : ") +
                   QString::number(statistics.MatchPoints));
  // The list's lines end with CR LF; the text box shows one line each.
  QString text = QString::fromStdString(BestScoresText(game_.BestScoreTable()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  bestScores_->setPlainText(text);
}

}  // namespace quintara::ui
