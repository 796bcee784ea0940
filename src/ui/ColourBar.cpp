#include "ui/ColourBar.h"

#include <QPainter>
#include <QWidget>

#include "ui/Colours.h"
#include "ui/SideMarks.h"
#include "ui/Twips.h"

namespace quintara::ui {
namespace {

// Paints its own colour, whatever palette or style sheet the desktop gives it.
class ColourBar : public QWidget {
 public:
  ColourBar(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

 protected:
  void paintEvent(QPaintEvent* /*event*/) override {
    QPainter painter(this);
    painter.fillRect(rect(), colour_);
    if (RedSideMarked() && colour_ == FromRgbNumber(ComputerColour)) {
      painter.setRenderHint(QPainter::Antialiasing);
      DrawBarMarks(painter, QRectF(rect()));
    }
  }

 private:
  QColor colour_;
};

}  // namespace

QWidget* NewColourBar(const QString& name, const QColor& colour, QWidget* parent) {
  auto* bar = new ColourBar(colour, parent);
  bar->setObjectName(name);
  bar->setAccessibleName(name);
  bar->setMinimumSize(PixelSize(615, 135));
  bar->resize(PixelSize(615, 135));
  return bar;
}

}  // namespace quintara::ui
