#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "ui/FileScoreStore.h"

using namespace quintara;
using quintara::ui::FileScoreStore;
using quintara::ui::ScorePlace;

namespace {

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool Write(FileScoreStore& store, const std::string& bytes) {
  std::string reason;
  return store.Write(bytes, reason);
}

}  // namespace

// Where the best-scores file lives and how it is written; its bytes are the core's.
class FileScoreStoreTest : public QObject {
  Q_OBJECT

 private slots:
  void anUnwritableProgramFolderKeepsTheFileInTheUsersDataFolder() {
    QTemporaryDir user;
    FileScoreStore store("/nonexistent/quintara", user.path());
    QVERIFY(Write(store, "abc"));
    QCOMPARE(store.path(), QDir(user.path()).filePath("Les scores"));
    QCOMPARE(QByteArray::fromStdString(store.Read().bytes), QByteArray("abc"));
  }

  // Installed under any prefix, the game keeps its scores in the user's data folder, even when
  // its own folder can be written (as root).
  void anInstalledGameKeepsItsScoresInTheUsersDataFolder() {
    const QString installed = "libexec/quintara";
    for (const char* folder : {"/usr/libexec/quintara", "/opt/games/libexec/quintara/"}) {
      QCOMPARE(ui::ScorePlaceFor(folder, installed), ScorePlace::kUserDataFolder);
    }
    for (const char* folder :
         {"/home/ann/quintara/build/src/app", "/home/ann/mylibexec/quintara"}) {
      QCOMPARE(ui::ScorePlaceFor(folder, installed), ScorePlace::kBesideProgramWhenWritable);
    }
    QTemporaryDir prefix;
    QTemporaryDir user;
    const QString program = QDir(prefix.path()).filePath(installed);
    QVERIFY(QDir().mkpath(program));
    FileScoreStore store(program, user.path(), ui::ScorePlaceFor(program, installed));
    QVERIFY(Write(store, "abc"));
    QCOMPARE(Read(QDir(user.path()).filePath("Les scores")), QByteArray("abc"));
    QVERIFY(!QFile::exists(QDir(program).filePath("Les scores")));
  }

  void aFileThatCannotBeReadOrWrittenIsReportedInFrench() {
    QTemporaryDir program;
    // A folder where the file should be: it can be neither read nor replaced.
    QDir(program.path()).mkdir("Les scores");
    FileScoreStore store(program.path(), program.path());
    const auto read = store.Read();
    QCOMPARE(read.status, ScoreStore::ReadStatus::kUnreadable);
    QVERIFY(QString::fromStdString(read.reason).contains("n'a pas pu être lu"));
    std::string reason;
    QVERIFY(!store.Write("abc", reason));
    QVERIFY(QString::fromStdString(reason).contains("n'a pas pu être écrit"));
  }

  void aSaveReplacesTheWholeFileAndLeavesNoTemporaryBehind() {
    QTemporaryDir program;
    FileScoreStore store(program.path(), program.path());
    QVERIFY(Write(store, std::string(200, 'x')) && Write(store, "short"));
    QCOMPARE(Read(store.path()), QByteArray("short"));
    QCOMPARE(QDir(program.path()).entryList(QDir::Files), QStringList{"Les scores"});
  }
};

QTEST_APPLESS_MAIN(FileScoreStoreTest)
#include "FileScoreStoreTest.moc"
