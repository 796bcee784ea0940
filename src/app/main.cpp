#include <QApplication>

#include "opponent/Die.h"
#include "ui/frmJeuxDePoints.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quintara::ClockDie die;
  quintara::ui::frmJeuxDePoints window(die);
  window.show();
  return application.exec();
}
