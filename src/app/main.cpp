#include <QApplication>
#include <QStandardPaths>

#include "app/ProgramDie.h"
#include "ui/ChimeSound.h"
#include "ui/FileScoreStore.h"
#include "ui/MessageBoxes.h"
#include "ui/frmJeuxDePoints.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quintara"));
  // Lets the desktop match the window with the installed menu entry and its icon.
  QApplication::setDesktopFileName(QStringLiteral(QUINTARA_APP_ID));
  // Qt's own texts (the edit fields' context menus, standard buttons) in French; without the
  // translation the message boxes still name their buttons in French.
  quintara::ui::LoadQtFrenchTexts(application);

  quintara::DieSource& die = quintara::ProgramDie();
  quintara::ui::frmJeuxDePoints window(die);
  window.setPointSound(
      std::make_unique<quintara::ui::ChimeSound>(quintara::ui::ChimeSound::besideProgram()));
  const QString programFolder = QApplication::applicationDirPath();
  window.setScoreStore(std::make_unique<quintara::ui::FileScoreStore>(
      programFolder, QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
      quintara::ui::ScorePlaceFor(programFolder,
                                  QStringLiteral(QUINTARA_INSTALLED_PROGRAM_FOLDER))));
  window.show();
  // A window manager gives a new window the keyboard focus; without one (a bare X server) the
  // window asks for it, so that the sheet holds the focus that screen readers follow.
  window.activateWindow();
  return application.exec();
}
