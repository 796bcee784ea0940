#pragma once

#include <QString>
#include <memory>

class QApplication;

namespace quintara {
class DieSource;
}
namespace quintara::ui {
class MainWindow;
}

namespace quintara::app {

// The program's window as the player gets it, shown and active: the application's names for
// the desktop, Qt's own texts in French, the chime from `programFolder` and the best scores
// beside it (in the user's data folder once the game is installed there). The program and the
// benchmarks start the same way.
std::unique_ptr<ui::MainWindow> ShowProgramWindow(QApplication& application, DieSource& die,
                                                  const QString& programFolder);

}  // namespace quintara::app
