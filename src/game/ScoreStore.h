#pragma once

#include <string>

namespace quintara {

// Where the best-scores file lives: the window's side finds the folder and reads and writes
// the file as a whole.
class ScoreStore {
 public:
  enum class ReadStatus { kRead, kMissing, kUnreadable };
  struct ReadResult {
    ReadStatus status;
    std::string bytes;
    std::string reason;  // in French, when unreadable
  };

  virtual ~ScoreStore() = default;
  virtual ReadResult Read() = 0;
  // Replaces the whole file so that either the old or the new content is always whole; on
  // failure returns false and says why, in French.
  virtual bool Write(const std::string& bytes, std::string& reason) = 0;
};

}  // namespace quintara
