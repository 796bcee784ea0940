#include <QApplication>

#include "app/ProgramDie.h"
#include "app/ProgramWindow.h"
#include "ui/MainWindow.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const auto window = quintara::app::ShowProgramWindow(application, quintara::ProgramDie(),
                                                       QApplication::applicationDirPath());
  return QApplication::exec();
}
