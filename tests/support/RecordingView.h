#pragma once

#include <algorithm>
#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "game/Game.h"
#include "game/GameView.h"
#include "opponent/Die.h"

namespace quintara::testing {

// A window that writes down all it is told, one line per event; AnswerQuestions answers the
// yes/no questions from a queue, then with `answerWhenEmpty`.
class RecordingView : public GameView {
 public:
  void PointPlaced(int index, PointColour colour, bool growing) override {
    events.push_back("point " + std::to_string(index) + " " + std::to_string(RgbNumber(colour)) +
                     (growing ? " grows" : ""));
  }
  void SheetDrawn() override { events.push_back("drawn"); }
  void SheetCleared() override { events.push_back("cleared"); }
  void PointsTakenBack() override { events.push_back("taken back"); }
  void TurnChanged(PointColour colour, const std::string& text) override {
    events.push_back("turn " + std::to_string(RgbNumber(colour)) + " " + text);
  }
  void ScoresChanged() override { events.push_back("scores"); }
  void Announce(const std::string& words) override { events.push_back("say " + words); }
  void ShowMessage(const std::string& text, const std::string& caption) override {
    events.push_back("message " + caption + ": " + text);
  }
  void AskYesNo(const std::string& text, const std::string& caption) override {
    events.push_back("ask " + caption + ": " + text);
  }
  void Maximise() override { events.push_back("maximise"); }
  void ShowStatistics() override { events.push_back("statistics"); }
  void ShowOpponentDialog() override { events.push_back("opponent dialog"); }
  void Quit() override { events.push_back("quit"); }
  void PlayPointSound() override { events.push_back("sound play"); }
  void StopPointSound() override { events.push_back("sound stop"); }

  // The events that start with the prefix.
  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> found;
    std::ranges::copy_if(events, std::back_inserter(found),
                         [&](const std::string& e) { return e.starts_with(prefix); });
    return found;
  }

  std::vector<std::string> events;
  std::deque<bool> answers;
  bool answerWhenEmpty = false;
};

// After an event, as the player would: the next answer to each yes/no question, and every
// message box and the statistics window closed.
inline void AnswerQuestions(Game& game, RecordingView& view) {
  while (game.WaitingFor() != Game::Question::kNone) {
    bool yes = true;
    if (game.WaitingFor() == Game::Question::kYesNo) {
      yes = view.answers.empty() ? view.answerWhenEmpty : view.answers.front();
      if (!view.answers.empty()) view.answers.pop_front();
    }
    game.Answer(yes);
  }
}

// A die that always shows the same face.
struct FixedDie : DieSource {
  explicit FixedDie(int shows) : face(shows) {}
  int Roll() override { return face; }
  int face;
};

}  // namespace quintara::testing
