#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "WindowHarness.h"
#include "game/Game.h"
#include "game/ScoreFile.h"
#include "ui/FileScoreStore.h"
#include "ui/frmStatistique.h"

using namespace quintara;
using namespace quintara::testing;

namespace {

// The longest list the game can write: ten names of the longest length, ten largest points.
std::string LongestList() {
  BestScores scores;
  for (BestScore& entry : scores) entry = {std::string(kLongestText, 'n'), "32767"};
  return EncodeScoreFile(scores);
}

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

}  // namespace

// The best-scores file is read up to the longest list the game writes, and no further.
class LongScoreFileTest : public QObject {
  Q_OBJECT

 private slots:
  void theLongestListIsReadWholeAndReplaced() {
    QTemporaryDir program;
    ui::FileScoreStore store(program.path(), program.path());
    std::string reason;
    QVERIFY(store.Write(LongestList(), reason));
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kRead);
    QVERIFY(read.bytes == LongestList());
    QVERIFY(store.Write("short", reason));
    QCOMPARE(Read(store.path()), QByteArray("short"));
  }

  void aLongerFileIsReadAsFarAsAListGoesAndNeverReplaced() {
    QTemporaryDir program;
    ui::FileScoreStore store(program.path(), program.path());
    const QByteArray longer = QByteArray::fromStdString(LongestList()) + "x";
    Put(store.path(), longer);
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kRead);
    QVERIFY(read.bytes == LongestList());
    std::string reason;
    QVERIFY(!store.Write("short", reason));
    QVERIFY(QString::fromStdString(reason).contains("n'a pas pu être écrit"));
    QCOMPARE(Read(store.path()), longer);
  }

  // A large file of something else: the list shows what is whole at its start, the end of a
  // match says the scores were not saved, and the file is left as it was.
  void theGameKeepsWhatIsWholeAndLeavesALongFileAlone() {
    QTemporaryDir program;
    const QString file = QDir(program.path()).filePath("Les scores");
    BestScores scores;
    scores[0] = {"Ann", "90"};
    const QByteArray bytes =
        QByteArray::fromStdString(EncodeScoreFile(scores)) + QByteArray(4 << 20, '\x01');
    Put(file, bytes);

    WindowHarness harness;
    harness.window().setScoreStore(
        std::make_unique<ui::FileScoreStore>(program.path(), program.path()));
    harness.ScriptBoxes();
    harness.answers = {true};
    WhenModal<ui::frmStatistique>([](ui::frmStatistique* window) { window->accept(); });
    for (int game = 0; game < 15; ++game) {
      harness.game().EditState().WinColourNumber = kColourNumberDarkGreen;
      harness.game().RecordGameResult();
      harness.game().ResetGameState();
    }
    QCOMPARE(harness.game().BestScoreTable()[0].name, std::optional<std::string>("Joueur 1"));
    QCOMPARE(harness.game().BestScoreTable()[1].name, std::optional<std::string>("Ann"));
    QVERIFY(harness.boxes.filter("Les meilleurs scores n'ont pas pu être enregistrés").size() == 1);
    QVERIFY(Read(file) == bytes);
  }
};

QTEST_MAIN(LongScoreFileTest)
#include "LongScoreFileTest.moc"
