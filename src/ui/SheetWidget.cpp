#include "ui/SheetWidget.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "board/Geometry.h"
#include "game/Game.h"
#include "ui/Colours.h"
#include "ui/SheetAccessible.h"
#include "ui/SideMarks.h"
#include "ui/Twips.h"

namespace quintara::ui {
namespace {

constexpr int kGridLineLength = 12000;
constexpr int kVerticalGridLines = 48;
constexpr int kHorizontalGridLines = 32;
constexpr int kHoverMarkerDiameter = 140;
// The hint's diamond: its half diagonal and its line, in twips.
constexpr double kHintMarkHalf = 165;
constexpr double kHintMarkWidth = 30;
constexpr int kHoverMarkerOffset = 80;  // from the hit area's top-left corner
constexpr int kLargestGrowth = 450;
constexpr int kCrossHairDiameter = 255;
// The ring's box as the game places it: wider than the ring, from beside the hit area.
constexpr int kCrossHairBoxWidth = 375;
constexpr int kCrossHairBoxHeight = 255;
constexpr int kCrossHairBoxLeft = -40;  // from the hit area's top-left corner
constexpr int kCrossHairBoxTop = 20;
constexpr std::chrono::milliseconds kAnimationTick{15};

// Where the shapes lie, in twips.
QRectF PointBounds(int index, int size) {
  return QRectF(CrossingX(index) - kPointOffset, CrossingY(index) - kPointOffset, size, size);
}
QRectF HoverMarkerBounds(int index) {
  return QRectF(HitAreaLeft(index) + kHoverMarkerOffset, HitAreaTop(index) + kHoverMarkerOffset,
                kHoverMarkerDiameter, kHoverMarkerDiameter);
}
QRectF CrossHairBounds(int index) {  // as the game places it; drawn within a pixel of it
  const double radius = kCrossHairDiameter / 2.0;
  return QRectF(CrossingX(index) - radius, CrossingY(index) - radius, kCrossHairDiameter,
                kCrossHairDiameter);
}

// The whole pixels a shape's bounds (twips) may touch: its pen reaches half a pixel beyond its
// bounds and smoothing one more.
QRect Covering(const QRectF& twips) {
  const QRectF pixels(twips.topLeft() / kTwipsPerPixel, twips.size() / kTwipsPerPixel);
  return pixels.toAlignedRect().adjusted(-2, -2, 2, 2);
}

// A stroke `pixels` wide laid on whole device pixels, within half a device pixel of where the
// game puts it, so that no screen scale smooths it into grey.
class CrispStroke {
 public:
  CrispStroke(double ratio, double pixels)
      : ratio_(ratio), width_(std::max(1.0, std::round(pixels * ratio))) {}
  // Where to draw the middle of a stroke that the game puts at `twips`, in pixels.
  double At(double twips) const {
    const double middle = twips * ratio_ / kTwipsPerPixel;
    return (std::round(middle - width_ / 2) + width_ / 2) / ratio_;
  }
  // A ring's radius round a crossing drawn by At(), in pixels: its four extremes on whole
  // device pixels, as a line's.
  double Radius(double twips) const { return std::round(twips * ratio_ / kTwipsPerPixel) / ratio_; }
  QPen Pen(const QColor& colour) const {
    QPen pen(colour, width_ / ratio_);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
  }

 private:
  double ratio_;
  double width_;  // device pixels
};

}  // namespace

SheetWidget::SheetWidget(const Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      toldCrossHair_(game.CrossHairIndex()),
      toldShownArea_(game.CurrentSheet().RowMax(), game.CurrentSheet().ColMax()) {
  SheetAccessible::Install();
  setObjectName("sheet");
  setAccessibleName(tr("Feuille"));
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  animationTimer_.setInterval(kAnimationTick);
  connect(&animationTimer_, &QTimer::timeout, this, &SheetWidget::advanceGrowths);
}

int SheetWidget::intersectionAt(QPointF position) {
  // Hit areas tile the sheet: each starts 140 twips left of and above its crossing.
  const double x = position.x() * kTwipsPerPixel + kHitAreaOffset;
  const double y = position.y() * kTwipsPerPixel + kHitAreaOffset;
  if (x < 0 || y < 0) return -1;
  const int column = static_cast<int>(std::floor(x / kGridSpacing));
  const int row = static_cast<int>(std::floor(y / kGridSpacing));
  if (column >= kColumns || row >= kRows) return -1;
  const int index = IndexOf(row, column);
  return index <= kLastIntersection ? index : -1;
}

QRect SheetWidget::pointArea(int index) {
  return Covering(PointBounds(index, kLargestGrowth)).united(Covering(HoverMarkerBounds(index)));
}

QRect SheetWidget::crossHairArea(int index) {
  const QRectF box(HitAreaLeft(index) + kCrossHairBoxLeft, HitAreaTop(index) + kCrossHairBoxTop,
                   kCrossHairBoxWidth, kCrossHairBoxHeight);
  return Covering(CrossHairBounds(index)).united(Covering(box));
}

void SheetWidget::moveCrossHair(int from, int to) {
  update(crossHairArea(from));
  update(crossHairArea(to));
}

QRect SheetWidget::hitArea(int index) {
  return QRect(ToPixels(HitAreaLeft(index)), ToPixels(HitAreaTop(index)), ToPixels(kGridSpacing),
               ToPixels(kGridSpacing));
}

void SheetWidget::tellScreenReader() {
  if (!QAccessible::isActive()) return;
  auto* table = static_cast<SheetAccessible*>(QAccessible::queryAccessibleInterface(this));
  const int crossHair = game_.CrossHairIndex();
  if (hasFocus() && crossHair != toldCrossHair_) {
    toldCrossHair_ = crossHair;
    if (QAccessibleInterface* cell = table->cellOf(crossHair)) {
      QAccessibleEvent event(cell, QAccessible::Focus);
      QAccessible::updateAccessibility(&event);
    }
  }
  table->tellChangedNames();
}

void SheetWidget::tellShownArea() {
  const std::pair shown(game_.CurrentSheet().RowMax(), game_.CurrentSheet().ColMax());
  if (shown == toldShownArea_) return;
  toldShownArea_ = shown;
  QAccessibleTableModelChangeEvent event(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&event);
}

void SheetWidget::showHoverMarker(bool shown) {
  if (shown == hoverShown_) return;
  hoverShown_ = shown;
  if (hoverIndex_ >= 0) update(pointArea(hoverIndex_));
}

void SheetWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  // Once the sheet itself has taken the focus (Qt tells readers after this handler), its
  // cross-hair's cell takes it, so that a reader says where the cross-hair stands.
  toldCrossHair_ = -1;
  QMetaObject::invokeMethod(this, &SheetWidget::tellScreenReader, Qt::QueuedConnection);
}

void SheetWidget::startGrowth(int index) {
  if (growthDuration_.count() <= 0) {
    update(pointArea(index));
    return;
  }
  Growth growth{index, {}};
  growth.clock.start();
  growths_.push_back(growth);
  update(pointArea(index));
  if (!animationTimer_.isActive()) animationTimer_.start();
}

void SheetWidget::cancelGrowths() {
  if (growths_.empty()) return;
  for (const Growth& growth : growths_) update(pointArea(growth.index));
  growths_.clear();
  animationTimer_.stop();
  emit growthsEnded();
}

void SheetWidget::advanceGrowths() {
  const auto finished = [this](const Growth& growth) {
    return std::chrono::milliseconds(growth.clock.elapsed()) >= growthDuration_;
  };
  for (const Growth& growth : growths_) update(pointArea(growth.index));
  std::erase_if(growths_, finished);
  if (growths_.empty()) {
    animationTimer_.stop();
    emit growthsEnded();
  }
}

int SheetWidget::pointSize(int index) const {
  for (const Growth& growth : growths_) {
    if (growth.index == index) {
      return GrowthSizeAt(std::chrono::milliseconds(growth.clock.elapsed()), growthDuration_);
    }
  }
  return kPointDiameter;
}

void SheetWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  painter.fillRect(event->rect(), kWindowBackground);
  painter.setRenderHint(QPainter::Antialiasing);
  drawGrid(painter);
  drawLinesAndFrames(painter);
  painter.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
  // The hover marker lies beneath the points, so a point is never hidden by it.
  drawHoverMarker(painter);
  drawHintMark(painter);
  drawCrossHair(painter);
  drawPoints(painter);
}

void SheetWidget::drawGrid(QPainter& painter) const {
  const CrispStroke line(devicePixelRatioF(), 1);
  painter.setPen(line.Pen(kWindowText));
  for (int k = 0; k < kVerticalGridLines; ++k) {
    const double x = line.At(k * kGridSpacing);
    painter.drawLine(QPointF(x, line.At(0)), QPointF(x, line.At(kGridLineLength)));
  }
  for (int k = 0; k < kHorizontalGridLines; ++k) {
    const double y = line.At(k * kGridSpacing);
    painter.drawLine(QPointF(line.At(0), y), QPointF(line.At(kGridLineLength), y));
  }
}

void SheetWidget::drawLinesAndFrames(QPainter& painter) const {
  // Their widths are the sheet's line setting, in pixels.
  painter.setBrush(Qt::NoBrush);
  for (const SheetDrawing& drawing : game_.Drawings()) {
    const CrispStroke stroke(devicePixelRatioF(), drawing.width);
    painter.setPen(stroke.Pen(FromColourNumber(drawing.colourNumber)));
    const QPointF from(stroke.At(drawing.x1), stroke.At(drawing.y1));
    const QPointF to(stroke.At(drawing.x2), stroke.At(drawing.y2));
    if (drawing.kind == SheetDrawing::Kind::kFrame) {
      painter.drawRect(QRectF(from, to));
    } else {
      painter.drawLine(from, to);
    }
  }
}

void SheetWidget::drawHoverMarker(QPainter& painter) const {
  if (hoverIndex_ < 0 || !hoverShown_) return;
  painter.setPen(Qt::NoPen);
  painter.setBrush(kHoverMarkerColour);
  painter.drawEllipse(HoverMarkerBounds(hoverIndex_));
}

void SheetWidget::drawCrossHair(QPainter& painter) const {
  // `shpViseur`: a ring in the window text colour round its crossing, drawn in pixels.
  const CrispStroke ring(devicePixelRatioF(), 1);
  const int index = game_.CrossHairIndex();
  const double radius = ring.Radius(kCrossHairDiameter / 2.0);
  painter.save();
  painter.scale(kTwipsPerPixel, kTwipsPerPixel);
  painter.setPen(ring.Pen(kWindowText));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(QPointF(ring.At(CrossingX(index)), ring.At(CrossingY(index))), radius,
                      radius);
  painter.restore();
}

void SheetWidget::drawPoints(QPainter& painter) const {
  painter.setPen(Qt::NoPen);
  const Sheet& sheet = game_.CurrentSheet();
  for (int index = kFirstGridIndex; index <= kLastIntersection; ++index) {
    if (!sheet.HasPoint(index)) continue;
    painter.setBrush(FromRgbNumber(sheet.ColourAt(index)));
    const QRectF disc = PointBounds(index, pointSize(index));
    painter.drawEllipse(disc);
    if (sheet.ColourAt(index) == ComputerColour && RedSideMarked()) DrawPointMark(painter, disc);
  }
}

void SheetWidget::drawHintMark(QPainter& painter) const {
  // A diamond round the crossing: neither a disc (a point, the hover marker) nor a ring.
  const std::optional<int> hint = game_.HintIndex();
  if (!hint) return;
  const QPointF centre(CrossingX(*hint), CrossingY(*hint));
  const double half = kHintMarkHalf;
  painter.setPen(QPen(kHintMarkColour, kHintMarkWidth));
  painter.setBrush(Qt::NoBrush);
  painter.drawPolygon(QPolygonF({centre + QPointF(0, -half), centre + QPointF(half, 0),
                                 centre + QPointF(0, half), centre + QPointF(-half, 0)}));
}

int SheetWidget::playableAt(QPointF position) const {
  const int index = intersectionAt(position);
  return index >= 0 && game_.CurrentSheet().Playable(index) ? index : -1;
}

void SheetWidget::mouseMoveEvent(QMouseEvent* event) {
  const int index = playableAt(event->position());
  if (index >= 0 && index != hoverIndex_) {
    if (hoverIndex_ >= 0) update(pointArea(hoverIndex_));
    hoverIndex_ = index;
    update(pointArea(hoverIndex_));
  }
  // Told when the mouse passes between playable and other ground, not on every move.
  const int overPlayable = index >= 0 ? 1 : 0;
  if (overPlayable != overPlayable_) {
    overPlayable_ = overPlayable;
    emit hovered(index >= 0);
  }
}

void SheetWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressedIndex_ = playableAt(event->position());
}

void SheetWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // A click is a press and a release on the same intersection.
  const int index = playableAt(event->position());
  const bool clicked = index >= 0 && index == pressedIndex_;
  pressedIndex_ = -1;
  if (clicked) emit intersectionClicked(index);
}

void SheetWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left: emit crossHairKey(Key::kLeft); break;
    case Qt::Key_Up: emit crossHairKey(Key::kUp); break;
    case Qt::Key_Right: emit crossHairKey(Key::kRight); break;
    case Qt::Key_Down: emit crossHairKey(Key::kDown); break;
    case Qt::Key_Return:
    case Qt::Key_Enter: emit crossHairKey(Key::kEnter); break;
    default: QWidget::keyPressEvent(event);  // a key the sheet does not use goes up
  }
}

}  // namespace quintara::ui
