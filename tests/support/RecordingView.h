#pragma once

#include <deque>
#include <string>
#include <vector>

#include "game/GameView.h"
#include "opponent/Die.h"

namespace quintara::testing {

// A window that writes down everything the game tells it, one line per event, and answers
// yes/no questions from a queue (then `answerWhenEmpty`, No unless set).
class RecordingView : public GameView {
 public:
  void pointPlaced(int index, int colour, bool growing) override;
  void sheetDrawn() override { events.push_back("drawn"); }
  void sheetCleared() override { events.push_back("cleared"); }
  void turnChanged(int colour, const std::string& statusText) override;
  void scoresChanged() override { events.push_back("scores"); }
  void showMessage(const std::string& text, const std::string& caption) override;
  bool askYesNo(const std::string& text, const std::string& caption) override;
  void maximise() override { events.push_back("maximise"); }
  void showStatistics() override { events.push_back("statistics"); }
  void quit() override { events.push_back("quit"); }
  void PlayPointSound() override { events.push_back("sound play"); }
  void stopPointSound() override { events.push_back("sound stop"); }

  // The events whose line starts with the prefix.
  std::vector<std::string> Only(const std::string& prefix) const;

  std::vector<std::string> events;
  std::deque<bool> answers;
  bool answerWhenEmpty = false;
};

// A die that rolls the given faces in turn, over and over.
class FixedDie : public DieSource {
 public:
  explicit FixedDie(std::vector<int> faces) : faces_(std::move(faces)) {}
  int Roll() override;
  int rolls = 0;

 private:
  std::vector<int> faces_;
};

}  // namespace quintara::testing
