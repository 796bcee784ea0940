#include "app/ProgramWindow.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include "ui/ChimeSound.h"
#include "ui/FileScoreStore.h"
#include "ui/MainWindow.h"
#include "ui/Translations.h"

namespace quintara::app {

std::unique_ptr<ui::MainWindow> ShowProgramWindow(QApplication& application, DieSource& die,
                                                  const QString& programFolder) {
  QApplication::setApplicationName(QStringLiteral("Quintara"));
  // Lets the desktop match the window with the installed menu entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral(QUINTARA_APP_ID));
  // The desktop's language, for the game's texts and Qt's own.
  ui::InstallTranslations(application, ui::ChooseLanguage(QLocale::system().uiLanguages()));

  auto window = std::make_unique<ui::MainWindow>(die);
  window->setPointSound(std::make_unique<ui::ChimeSound>(programFolder));
  window->setScoreStore(std::make_unique<ui::FileScoreStore>(
      programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
      ui::ScorePlaceFor(programFolder, QStringLiteral(QUINTARA_INSTALLED_PROGRAM_FOLDER))));
  window->show();
  // A window manager gives a new window the keyboard focus; without one (a bare X server) the
  // window asks for it, so that the sheet holds the focus that screen readers follow.
  window->activateWindow();
  return window;
}

}  // namespace quintara::app
