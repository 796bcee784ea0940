#include "ui/FileScoreStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "game/ScoreFile.h"

namespace quintara::ui {

namespace {

std::string Reason(const char* what, const QString& path, const QString& error) {
  return QStringLiteral("le fichier « %1 » n'a pas pu être %2 (%3).")
      .arg(QDir::toNativeSeparators(path), QString::fromUtf8(what), error)
      .toStdString();
}

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
    return {ReadStatus::kUnreadable, {}, Reason("lu", file, in.errorString())};
  }
  const QByteArray bytes = in.readAll();
  if (in.error() != QFileDevice::NoError) {
    return {ReadStatus::kUnreadable, {}, Reason("lu", file, in.errorString())};
  }
  return {ReadStatus::kRead, bytes.toStdString(), {}};
}

bool FileScoreStore::Write(const std::string& bytes, std::string& reason) {
  const QString file = path();
  QDir().mkpath(QFileInfo(file).absolutePath());
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !out.commit()) {
    reason = Reason("écrit", file, out.errorString());
    return false;
  }
  return true;
}

}  // namespace quintara::ui
