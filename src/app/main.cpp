#include <QApplication>
#include <QStandardPaths>

#include "opponent/Die.h"
#include "ui/ChimeSound.h"
#include "ui/FileScoreStore.h"
#include "ui/frmJeuxDePoints.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quintara"));

  quintara::ClockDie die;
  quintara::ui::frmJeuxDePoints window(die);
  window.setPointSound(
      std::make_unique<quintara::ui::ChimeSound>(quintara::ui::ChimeSound::besideProgram()));
  window.setScoreStore(std::make_unique<quintara::ui::FileScoreStore>(
      QApplication::applicationDirPath(),
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
  window.show();
  return application.exec();
}
