#include "ui/RightPanel.h"

#include <QPainter>

#include "board/Geometry.h"
#include "ui/ColourBar.h"
#include "ui/Colours.h"
#include "ui/ReadableCount.h"
#include "ui/Twips.h"

namespace quintara::ui {
namespace {

constexpr int kIndicatorDiameter = 855;
// The score board keeps the panel's own positions, from this height down.
constexpr int kScoreBoardTop = 2200;
constexpr int kScoreBoardHeight = 2400;

QLabel* Count(const QString& name, QWidget* parent, int left, int top) {
  auto* count = new QLabel(QStringLiteral("0"), parent);
  count->setObjectName(name);
  count->setAlignment(Qt::AlignCenter);
  count->setGeometry(PixelRect(left, top - kScoreBoardTop, 615, 375));
  QFont font = count->font();
  font.setPixelSize(ToPixels(300));
  font.setBold(true);
  count->setFont(font);
  return count;
}

}  // namespace

TurnIndicator::TurnIndicator(QWidget* parent)
    : QWidget(parent), colour_(FromRgbNumber(HumanColour)) {
  setObjectName("turnIndicator");
  setAccessibleName(tr("Indicateur de tour"));
}

void TurnIndicator::showTurn(const QColor& colour, const QString& statusText) {
  colour_ = colour;
  setAccessibleDescription(statusText);
  update();
}

void TurnIndicator::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(colour_);
  painter.drawEllipse(QRectF(rect()));
}

ScoreBoardPanel::ScoreBoardPanel(QWidget* parent) : QWidget(parent) {
  setObjectName("scoreBoard");
  setGeometry(PixelRect(0, kScoreBoardTop, kRightPanelWidth, kScoreBoardHeight));
  const Row games =
      addRow(QT_TR_NOOP("Parties"),
             {.headingLeft = 255, .headingTop = 2210, .barsTop = 2520, .countsTop = 2640});
  greenGames_ = games.greenCount;
  redGames_ = games.redCount;
  sets_ = addRow(QT_TR_NOOP("Manches"),
                 {.headingLeft = 120, .headingTop = 3750, .barsTop = 4080, .countsTop = 4200});
  setSetsShown(false);  // until the first set is won
}

ScoreBoardPanel::Row ScoreBoardPanel::addRow(const char* heading, const RowPlace& place) {
  Row row{};
  const QString name = QString::fromUtf8(heading);  // the same in every language
  row.heading = new QLabel(tr(heading), this);
  row.heading->setObjectName(name);
  row.heading->move(ToPixels(place.headingLeft), ToPixels(place.headingTop - kScoreBoardTop));
  row.heading->adjustSize();
  row.greenBar = NewColourBar(tr("%1 vert").arg(tr(heading)), FromRgbNumber(HumanColour), this);
  row.greenBar->setGeometry(PixelRect(0, place.barsTop - kScoreBoardTop, 615, 135));
  row.redBar = NewColourBar(tr("%1 rouge").arg(tr(heading)), FromRgbNumber(ComputerColour), this);
  row.redBar->setGeometry(PixelRect(720, place.barsTop - kScoreBoardTop, 615, 135));
  row.greenCount = Count(name + " Joueur 1", this, 0, place.countsTop);
  row.redCount = Count(name + " Joueur 2", this, 720, place.countsTop);
  return row;
}

void ScoreBoardPanel::showGames(int green, int red, const QStringList& words) {
  ShowCount(*greenGames_, green, words.value(0));
  ShowCount(*redGames_, red, words.value(1));
}

void ScoreBoardPanel::showSets(int green, int red, const QStringList& words) {
  ShowCount(*sets_.greenCount, green, words.value(0));
  ShowCount(*sets_.redCount, red, words.value(1));
}

void ScoreBoardPanel::setSetsShown(bool shown) {
  for (QWidget* part :
       {static_cast<QWidget*>(sets_.heading), sets_.greenBar, sets_.redBar,
        static_cast<QWidget*>(sets_.greenCount), static_cast<QWidget*>(sets_.redCount)}) {
    part->setVisible(shown);
  }
}

RightPanel::RightPanel(QWidget* parent)
    : Bar("RightPanel", parent),
      statusLine_(new QLabel(this)),
      turnIndicator_(new TurnIndicator(this)),
      scoreBoard_(new ScoreBoardPanel(this)) {
  statusLine_->setObjectName("statusLine");
  statusLine_->setWordWrap(true);
  statusLine_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // Two lines of a small font hold the longest turn text.
  statusLine_->setGeometry(PixelRect(120, 120, 1215, 495));
  QFont font = statusLine_->font();
  font.setPixelSize(11);
  statusLine_->setFont(font);
  turnIndicator_->setGeometry(PixelRect(240, 840, kIndicatorDiameter, kIndicatorDiameter));
}

void RightPanel::showTurn(PointColour colour, const QString& statusText) {
  statusLine_->setText(statusText);
  turnIndicator_->showTurn(FromRgbNumber(colour), statusText);
}

}  // namespace quintara::ui
