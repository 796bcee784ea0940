#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "game/ScoreFile.h"
#include "support/AsciiBoard.h"
#include "support/GameSteps.h"
#include "ui/FileScoreStore.h"
#include "ui/RightPanel.h"
#include "ui/frmStatistique.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// Records games as their end does, without playing them out.
void Win(Game& game, bool red, int count) {
  for (int k = 0; k < count; ++k) {
    GameSteps::RecordGame(game, red);
  }
}

QStringList Labels(const QWidget& window) {
  QStringList texts;
  for (const QLabel* label : window.findChildren<QLabel*>()) texts << label->text();
  return texts;
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

}  // namespace

// The score board, the statistics window, the end of a match and the best-scores file.
class ScoringWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theBoardCountsGamesAndShowsTheSetsFromTheFirstSetWon() {
    WindowHarness harness;
    const ui::ScoreBoardPanel& board = harness.client().rightPanel().scoreBoard();
    Win(harness.game(), false, 3);
    Win(harness.game(), true, 1);
    QCOMPARE(board.greenGames().text(), QString("3"));
    QCOMPARE(board.redGames().text(), QString("1"));
    QVERIFY(!board.setsShown());
    Win(harness.game(), false, 2);
    QVERIFY(board.setsShown());
    QCOMPARE(board.greenGames().text(), QString("0"));
    QVERIFY(Labels(harness.client()).contains("Manches"));
  }

  void theStatisticsWindowShowsTheMatchAndKeepsItOnReopening() {
    WindowHarness harness;
    harness.game().SetLevel(2);
    Win(harness.game(), false, 2);
    harness.game().SetLevel(4);
    Win(harness.game(), true, 1);
    for (int time = 0; time < 2; ++time) {
      QStringList labels;
      QString list;
      WhenModal<ui::frmStatistique>([&](ui::frmStatistique* window) {
        labels = Labels(*window);
        list = window->bestScoresBox()->toPlainText();
        window->accept();
      });
      harness.window().mnuStatistique()->trigger();
      QVERIFY(labels.contains("  Nombre de parties gagnées au cours de ce match"));
      QVERIFY(labels.contains("Vos points pour ce match : 40"));
      QVERIFY(labels.contains("Les meilleurs scores réalisés contres l'ordinateur"));
      QCOMPARE(labels.count("2"), 1);  // green at level 2
      QCOMPARE(labels.count("1"), 1);  // red at level 4
      QCOMPARE(list.split('\n').first(),
               QString("             JOUEURS                                                       "
                       "SCORES"));
    }
  }

  void aMatchPlayedToItsEndAsksToPlayAgainYes() {
    WindowHarness harness;
    harness.ScriptBoxes();
    Win(harness.game(), false, 14);
    Lay(harness.game(), Picture{15, 15, {"X X X X .", "O O O . ."}});
    int statisticsShown = 0;
    WhenModal<ui::frmStatistique>([&](ui::frmStatistique* window) {
      ++statisticsShown;
      window->accept();
    });
    harness.answers = {true};
    harness.ClickAt(IndexOf(15, 19));
    QCOMPARE(statisticsShown, 1);
    QCOMPARE(harness.boxes, (QStringList{"Quintara: Joueur 1 remporte le match. Bravo!",
                                         "Quintara: Voulez vous rejouer"}));
    QVERIFY(harness.window().isVisible());
    QCOMPARE(harness.client().rightPanel().scoreBoard().greenGames().text(), QString("0"));
    // The computer opens the new match.
    QCOMPARE(harness.PixelAt(WindowHarness::Crossing(652)), kPureRed);
    QCOMPARE(harness.game().BestScoreTable()[0].points, std::optional<std::string>("300"));
  }

  void aMatchPlayedToItsEndAsksToPlayAgainNoAndQuits() {
    WindowHarness harness;
    harness.ScriptBoxes();
    Win(harness.game(), true, 14);
    Lay(harness.game(), Picture{10, 4, {"X O O O O . . X"}});
    WhenModal<ui::frmStatistique>([](ui::frmStatistique* window) { window->accept(); });
    harness.answers = {false};
    harness.ClickAt(IndexOf(10, 10));
    QCOMPARE(harness.boxes,
             (QStringList{"Quintara: Ordinateur remporte le match. La revenche quand vous voulez",
                          "Quintara: Voulez vous rejouer"}));
    QVERIFY(!harness.window().isVisible());
  }

  void theFileLivesBesideTheProgramAndIsCreatedOnFirstUse() {
    QTemporaryDir program;
    QTemporaryDir user;
    WindowHarness harness;
    harness.window().setScoreStore(
        std::make_unique<ui::FileScoreStore>(program.path(), user.path()));
    const QString file = QDir(program.path()).filePath("Les scores");
    QString list;
    WhenModal<ui::frmStatistique>([&](ui::frmStatistique* window) {
      list = window->bestScoresBox()->toPlainText();
      window->accept();
    });
    harness.window().mnuStatistique()->trigger();
    QVERIFY(QFile::exists(file));
    const QString blank = "  " + QString(74, ' ');
    QCOMPARE(list.split('\n').mid(1, 4), (QStringList{"", blank, blank, blank}));

    harness.ScriptBoxes();
    harness.answers = {true};
    WhenModal<ui::frmStatistique>([](ui::frmStatistique* window) { window->accept(); });
    Win(harness.game(), false, 15);
    const QByteArray bytes = Read(file);
    QCOMPARE(bytes.size(), 8 + 47);
    QCOMPARE(bytes.left(12), QByteArray("\x08\x00\x08\x00Joueur 1", 12));
  }

  void anUnwritableProgramFolderKeepsTheFileInTheUsersDataFolder() {
    QTemporaryDir user;
    ui::FileScoreStore store("/nonexistent/quintara", user.path());
    std::string reason;
    QVERIFY(store.Write("abc", reason));
    QCOMPARE(store.path(), QDir(user.path()).filePath("Les scores"));
    QCOMPARE(Read(store.path()), QByteArray("abc"));
    QCOMPARE(QByteArray::fromStdString(store.Read().bytes), QByteArray("abc"));
  }

  void theInstalledFolderIsRecognisedUnderAnyPrefix_data() {
    QTest::addColumn<QString>("programFolder");
    QTest::addColumn<QString>("installedFolder");
    QTest::addColumn<bool>("installed");
    struct Row {
      const char* name;
      const char* programFolder;
      const char* installedFolder;
      bool installed;
    };
    const Row rows[] = {
        {"package", "/usr/libexec/quintara", "libexec/quintara", true},
        {"other prefix", "/opt/games/libexec/quintara", "libexec/quintara", true},
        {"trailing slash", "/usr/libexec/quintara/", "libexec/quintara", true},
        {"build folder", "/home/ann/quintara/build/default/src/app", "libexec/quintara", false},
        {"longer name", "/home/ann/mylibexec/quintara", "libexec/quintara", false},
        {"absolute, same", "/usr/libexec/quintara", "/usr/libexec/quintara", true},
        {"absolute, other", "/usr/local/libexec/quintara", "/usr/libexec/quintara", false},
        {"no installed folder", "/usr/libexec/quintara", "", false},
    };
    for (const Row& row : rows) {
      QTest::newRow(row.name) << QString(row.programFolder) << QString(row.installedFolder)
                              << row.installed;
    }
  }

  void theInstalledFolderIsRecognisedUnderAnyPrefix() {
    QFETCH(QString, programFolder);
    QFETCH(QString, installedFolder);
    QFETCH(bool, installed);
    QCOMPARE(ui::ScorePlaceFor(programFolder, installedFolder) == ui::ScorePlace::kUserDataFolder,
             installed);
  }

  // Run as root, an installed game's folder can be written; the scores still go to the user.
  void anInstalledGameKeepsItsScoresInTheUsersDataFolderEvenWhenItsFolderCanBeWritten() {
    QTemporaryDir prefix;
    QTemporaryDir user;
    const QString program = QDir(prefix.path()).filePath("libexec/quintara");
    QVERIFY(QDir().mkpath(program));
    const QString leftBeside = QDir(program).filePath("Les scores");
    QFile old(leftBeside);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    old.close();

    ui::FileScoreStore store(program, user.path(),
                             ui::ScorePlaceFor(program, QStringLiteral("libexec/quintara")));
    QCOMPARE(store.path(), QDir(user.path()).filePath("Les scores"));
    QCOMPARE(store.Read().status, ScoreStore::ReadStatus::kMissing);
    std::string reason;
    QVERIFY(store.Write("abc", reason));
    QCOMPARE(Read(store.path()), QByteArray("abc"));
    QCOMPARE(Read(leftBeside), QByteArray("old"));
  }

  void aFileThatCannotBeReadOrWrittenIsReportedInFrench() {
    QTemporaryDir program;
    // A folder where the file should be: it can be neither read nor replaced.
    QDir(program.path()).mkdir("Les scores");
    ui::FileScoreStore store(program.path(), program.path());
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kUnreadable);
    QVERIFY(QString::fromStdString(read.reason).startsWith("le fichier « "));
    QVERIFY(QString::fromStdString(read.reason).contains("n'a pas pu être lu"));
    std::string reason;
    QVERIFY(!store.Write("abc", reason));
    QVERIFY(QString::fromStdString(reason).contains("n'a pas pu être écrit"));
  }

  void aSaveReplacesTheWholeFileAndLeavesNoTemporaryBehind() {
    QTemporaryDir program;
    ui::FileScoreStore store(program.path(), program.path());
    std::string reason;
    QVERIFY(store.Write(std::string(200, 'x'), reason));
    QVERIFY(store.Write("short", reason));
    QCOMPARE(Read(store.path()), QByteArray("short"));
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"Les scores"});
  }
};

QTEST_MAIN(ScoringWindowTest)
#include "ScoringWindowTest.moc"
