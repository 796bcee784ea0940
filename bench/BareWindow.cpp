// The floor the program's start is measured against: a bare Qt Widgets window of the same size
// with a menu bar and a painted grid, shown as the program shows its own, reported by the same
// watch. Started by first_paint_bench, which sets the time of its start.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>
#include <cstdlib>

#include "FirstPaintWatch.h"

namespace {

class Grid : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(224, 224, 224));
    for (int x = 0; x < width(); x += 24) painter.drawLine(x, 0, x, height());
    for (int y = 0; y < height(); y += 24) painter.drawLine(0, y, width(), y);
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  const char* startedAt = std::getenv(quintara::bench::kStartedAt);
  if (startedAt == nullptr) return 2;
  QApplication application(argc, argv);
  quintara::bench::FirstPaintWatch watch(std::atoll(startedAt));
  application.installEventFilter(&watch);
  QMainWindow window;
  for (const char* name : {"&Fichier", "Sons"}) {
    QMenu* menu = window.menuBar()->addMenu(QString::fromUtf8(name));
    menu->addAction(QStringLiteral("Un"));
    menu->addAction(QStringLiteral("Deux"));
  }
  window.menuBar()->addAction(QStringLiteral("&?"));
  window.setCentralWidget(new Grid);
  window.resize(592, 390 + window.menuBar()->sizeHint().height());
  window.show();
  window.activateWindow();
  return application.exec();
}
