#pragma once

#include <QString>

#include "game/ScoreStore.h"

namespace quintara::ui {

// Where the best-scores file is kept.
enum class ScorePlace {
  // Beside the program when its folder can be written, otherwise in the user's data folder:
  // a game run from its build folder or copied into a folder of its own.
  kBesideProgramWhenWritable,
  // Always in the user's data folder: an installed game, whose folder is shared by every user
  // (and writable when the game runs as root).
  kUserDataFolder,
};

// The game runs from its installed folder when the program's folder ends with the folder it is
// installed to under any prefix (`installedFolder`, such as "libexec/quintara"), so a package
// installed under /usr and `cmake --install --prefix` elsewhere are both recognised.
ScorePlace ScorePlaceFor(const QString& programFolder, const QString& installedFolder);

// The best-scores file "Les scores", in the folder that `ScorePlace` says. A file is replaced
// whole, through a new file renamed over the old one, so a crash or a full disk never leaves a
// half-written list.
class FileScoreStore : public ScoreStore {
 public:
  FileScoreStore(QString programFolder, QString userDataFolder,
                 ScorePlace place = ScorePlace::kBesideProgramWhenWritable);

  ReadResult Read() override;
  bool Write(const std::string& bytes, std::string& reason) override;

  // Where the file is read from and written to.
  QString path() const;

 private:
  QString programFile() const;
  QString userFile() const;

  QString programFolder_;
  QString userDataFolder_;
  ScorePlace place_;
};

}  // namespace quintara::ui
