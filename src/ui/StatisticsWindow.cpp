#include "ui/StatisticsWindow.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
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
  return label;
}

}  // namespace

StatisticsWindow::StatisticsWindow(const Game& game, QWidget* parent)
    : QDialog(parent), game_(game) {
  setObjectName(QStringLiteral("statisticsWindow"));
  setWindowTitle(QStringLiteral("Quintara"));  // the program's name
  setFixedSize(PixelSize(kWidth, kHeight));

  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(tr("  Nombre de parties gagnées au cours de ce match"), this);
  layout->addWidget(heading);

  auto* levels = new QGridLayout;
  for (int level = 0; level < 4; ++level) {
    const QString name = tr("Niveau %1").arg(level + 1);
    auto* caption = new QLabel(name, this);
    caption->setAlignment(Qt::AlignCenter);
    levels->addWidget(caption, 0, 2 * level, 1, 2);
    levels->addWidget(NewColourBar(tr("%1 vert").arg(name), FromRgbNumber(HumanColour), this), 1,
                      2 * level);
    levels->addWidget(NewColourBar(tr("%1 rouge").arg(name), FromRgbNumber(ComputerColour), this),
                      1, 2 * level + 1);
    humanWins_[static_cast<std::size_t>(level)] =
        Count(this, tr("%1 : parties gagnées par le joueur vert").arg(name));
    computerWins_[static_cast<std::size_t>(level)] =
        Count(this, tr("%1 : parties gagnées par le joueur rouge").arg(name));
    levels->addWidget(humanWins_[static_cast<std::size_t>(level)], 2, 2 * level);
    levels->addWidget(computerWins_[static_cast<std::size_t>(level)], 2, 2 * level + 1);
  }
  layout->addLayout(levels);

  points_ = new QLabel(this);
  layout->addWidget(points_);
  layout->addWidget(new QLabel(tr("Les meilleurs scores réalisés contres l'ordinateur"), this));
  // Names and points in two columns, so that any points stay in sight: a long name is cut short
  // (a screen reader reads it whole), never the points.
  bestScores_ = new QTableWidget(kBestScoresShown, 2, this);
  bestScores_->setObjectName(QStringLiteral("bestScores"));
  bestScores_->setAccessibleName(tr("Les meilleurs scores"));
  bestScores_->setHorizontalHeaderLabels({tr("JOUEURS"), tr("SCORES")});
  bestScores_->verticalHeader()->hide();
  bestScores_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  bestScores_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
  bestScores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  bestScores_->setSelectionBehavior(QAbstractItemView::SelectRows);
  bestScores_->setSelectionMode(QAbstractItemView::SingleSelection);
  bestScores_->setShowGrid(false);
  bestScores_->setTextElideMode(Qt::ElideRight);
  bestScores_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  bestScores_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  layout->addWidget(bestScores_, 1);

  auto* ok = new QPushButton(tr("OK"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);

  Refresh();
}

void StatisticsWindow::Refresh() {
  const MatchStatistics& statistics = game_.Statistics();
  for (std::size_t level = kLowestLevel; level <= kHighestLevel; ++level) {
    ShowCount(*humanWins_[level - 1], statistics.HumanWinsAtLevel[level]);
    ShowCount(*computerWins_[level - 1], statistics.ComputerWinsAtLevel[level]);
  }
  points_->setText(tr("Vos points pour ce match : %1").arg(statistics.MatchPoints));
  const BestScores& best = game_.BestScoreTable();
  for (int place = 0; place < kBestScoresShown; ++place) {
    const BestScore& entry = best[static_cast<std::size_t>(place)];
    auto* name = new QTableWidgetItem(QString::fromStdString(entry.name.value_or("")));
    auto* points = new QTableWidgetItem(QString::fromStdString(entry.points.value_or("")));
    points->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bestScores_->setItem(place, 0, name);
    bestScores_->setItem(place, 1, points);
  }
}

}  // namespace quintara::ui
