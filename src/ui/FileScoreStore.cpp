#include "ui/FileScoreStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "game/BestScores.h"
#include "game/ScoreFile.h"

namespace quintara::ui {

namespace {

// The longest list the game can write: each of the ten places holds a tagged name (type, length
// and at most kLongestText bytes) and tagged points (type, length and at most five digits).
constexpr qint64 kTagBytes = 4;
constexpr qint64 kLongestPoints = 5;
constexpr qint64 kLongestScoreFile =
    kBestScorePlaces * (kTagBytes + kLongestText + kTagBytes + kLongestPoints);

// Why a file could not be read or written, as a sentence: %1 is the file, %2 the error.
std::string Reason(const char* sentence, const QString& path, const QString& error) {
  return QCoreApplication::translate("FileScoreStore", sentence)
      .arg(QDir::toNativeSeparators(path), error)
      .toStdString();
}

constexpr const char* kNotRead =
    QT_TRANSLATE_NOOP("FileScoreStore", "le fichier « %1 » n'a pas pu être lu (%2).");
constexpr const char* kNotWritten =
    QT_TRANSLATE_NOOP("FileScoreStore", "le fichier « %1 » n'a pas pu être écrit (%2).");

}  // namespace

ScorePlace ScorePlaceFor(const QString& programFolder, const QString& installedFolder) {
  const QString program = QDir::cleanPath(QDir::fromNativeSeparators(programFolder));
  const QString installed = QDir::cleanPath(QDir::fromNativeSeparators(installedFolder));
  if (installed.isEmpty() || installed == QStringLiteral(".")) {
    return ScorePlace::kBesideProgramWhenWritable;
  }
  const bool isInstalled = QDir::isAbsolutePath(installed)
                               ? program == installed
                               : program.endsWith(QLatin1Char('/') + installed);
  return isInstalled ? ScorePlace::kUserDataFolder : ScorePlace::kBesideProgramWhenWritable;
}

FileScoreStore::FileScoreStore(QString programFolder, QString userDataFolder, ScorePlace place)
    : programFolder_(std::move(programFolder)),
      userDataFolder_(std::move(userDataFolder)),
      place_(place) {}

QString FileScoreStore::programFile() const {
  return QDir(programFolder_).filePath(QString::fromUtf8(kScoreFileName));
}

QString FileScoreStore::userFile() const {
  return QDir(userDataFolder_).filePath(QString::fromUtf8(kScoreFileName));
}

QString FileScoreStore::path() const {
  if (place_ == ScorePlace::kUserDataFolder) return userFile();
  const QFileInfo folder(programFolder_);
  return folder.isDir() && folder.isWritable() ? programFile() : userFile();
}

ScoreStore::ReadResult FileScoreStore::Read() {
  QString file = path();
  // A list left beside a program whose folder has since become read-only is still read.
  if (place_ == ScorePlace::kBesideProgramWhenWritable && !QFileInfo::exists(file) &&
      file == userFile() && QFileInfo::exists(programFile())) {
    file = programFile();
  }
  if (!QFileInfo::exists(file)) return {ReadStatus::kMissing, {}, {}};
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    return {ReadStatus::kUnreadable, {}, Reason(kNotRead, file, in.errorString())};
  }
  // Never more than a whole list: what is whole in a longer file is still read, and Write
  // refuses to replace it.
  QByteArray bytes = in.read(kLongestScoreFile);
  if (in.error() != QFileDevice::NoError) {
    return {ReadStatus::kUnreadable, {}, Reason(kNotRead, file, in.errorString())};
  }
  return {ReadStatus::kRead, bytes.toStdString(), {}};
}

bool FileScoreStore::Write(const std::string& bytes, std::string& reason) {
  const QString file = path();
  // A file longer than any list is not one the game wrote: it is kept as it is.
  if (QFileInfo(file).size() > kLongestScoreFile) {
    reason = Reason(kNotWritten, file,
                    QCoreApplication::translate("FileScoreStore",
                                                "il est trop long pour être une liste de scores"));
    return false;
  }
  QDir().mkpath(QFileInfo(file).absolutePath());
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !out.commit()) {
    reason = Reason(kNotWritten, file, out.errorString());
    return false;
  }
  return true;
}

}  // namespace quintara::ui
