// Plays one whole match through the real main window and ends, for /usr/bin/time -v to report
// the peak memory: the window built as the program builds it (app/ProgramWindow.h) in a folder
// of its own that holds the program's chime and sound plugin and takes its best-scores file,
// seeded clicks on the sheet against the computer at level 1, each one painted, until a side
// has won three sets. The statistics window that the match's end opens is
// closed, "Voulez vous rejouer" is answered No, and the program ends as it does for a player.
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>

#include "WindowPlay.h"
#include "app/ProgramWindow.h"
#include "game/Texts.h"

using namespace quintara;

namespace {}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  QApplication application(argc, argv);

  QTemporaryDir folder;
  for (const QString& name :
       {QStringLiteral("Chimes.wav"), QStringLiteral(QUINTARA_CHIME_PLUGIN)}) {
    QFile::link(QDir(QStringLiteral(QUINTARA_PROGRAM_FOLDER)).filePath(name),
                QDir(folder.path()).filePath(name));
  }
  SeededDie die(2026);
  std::mt19937 random(2026);
  const auto shown = app::ShowProgramWindow(application, die, folder.path());
  ui::MainWindow& window = *shown;
  // Yes to giving up a game for a new sheet when the sheet is full; No to another match.
  testing::BoxAnswers answers;
  answers.answerFor = [](const QString& text) {
    return text != QString::fromUtf8(texts::kPlayAgain);
  };

  int clicks = 0;
  QTimer player;
  player.setInterval(0);
  QObject::connect(&player, &QTimer::timeout, [&] {
    const int index = bench::NearbyPlay(window.game(), random);
    if (index == 0) {
      window.newSheetAction()->trigger();
      return;
    }
    bench::ClickSheet(window, index);
    window.repaint();
    ++clicks;
  });
  player.start();
  // The statistics window at the match's end opens within a click, so another timer closes it.
  QTimer reader;
  reader.setInterval(10);
  QObject::connect(&reader, &QTimer::timeout, [] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (modal != nullptr && qobject_cast<QMessageBox*>(modal) == nullptr) modal->accept();
  });
  reader.start();
  const int status = application.exec();
  const ScoreBoard& board = window.game().MatchScores();
  std::printf("a whole match: %d clicks, sets won %d (green) to %d (red)\n", clicks,
              board.HumanSets, board.ComputerSets);
  return status;
}
