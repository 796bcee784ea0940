#pragma once

#include <QString>

#include "game/ScoreStore.h"

namespace quintara::ui {

// The best-scores file "Les scores": beside the program when its folder can be written (an
// installed game's folder cannot), otherwise in the user's data folder. A file is replaced
// whole, through a new file renamed over the old one, so a crash or a full disk never leaves a
// half-written list.
class FileScoreStore : public ScoreStore {
 public:
  FileScoreStore(QString programFolder, QString userDataFolder);

  ReadResult Read() override;
  bool Write(const std::string& bytes, std::string& reason) override;

  // Where the file is read from and written to.
  QString path() const;

 private:
  QString programFile() const;
  QString userFile() const;

  QString programFolder_;
  QString userDataFolder_;
};

}  // namespace quintara::ui
