#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <iterator>
#include <string>
#include <vector>

#include "board/ShownArea.h"
#include "game/Game.h"
#include "game/GameView.h"
#include "opponent/Die.h"
#include "support/AsciiBoard.h"

namespace quintara::testing {

// A window that writes down all it is told, one line per event.
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

  std::vector<std::string> Only(const std::string& prefix) const {
    std::vector<std::string> found;
    std::ranges::copy_if(events, std::back_inserter(found),
                         [&](const std::string& e) { return e.starts_with(prefix); });
    return found;
  }

  std::vector<std::string> events;
  std::deque<bool> answers;  // to the yes/no questions, then `answerWhenEmpty`
  bool answerWhenEmpty = false;
};

// As the player would: each yes/no question answered, every box and window closed.
inline void AnswerQuestions(Game& game, RecordingView& view) {
  while (game.WaitingFor() != Game::Question::kNone) {
    const bool asked = game.WaitingFor() == Game::Question::kYesNo;
    const bool yes = !asked || (view.answers.empty() ? view.answerWhenEmpty : view.answers.front());
    if (asked && !view.answers.empty()) view.answers.pop_front();
    game.Answer(yes);
  }
}

struct FixedDie : DieSource {
  explicit FixedDie(int shows) : face(shows) {}
  int Roll() override { return face; }
  int face;
};

// A whole game without a window; each event is followed by the player's answers.
class GameFixture : public ::testing::Test {
 protected:
  void Lay(const Picture& picture) { testing::Lay(game, picture); }
  void Click(int index) { game.ClickIntersection(index), Settle(); }
  void NewSheet() { game.MenuNewSheet(), Settle(); }
  bool ChangeLevel() {  // true when the opponent and level dialog opened
    const std::size_t before = view.Only("opponent dialog").size();
    game.MenuChangeLevel(), Settle();
    return view.Only("opponent dialog").size() > before;
  }
  void Settle() { AnswerQuestions(game, view); }
  int Points() const { return CountPoints(game.CurrentSheet()); }

  RecordingView view;
  FixedDie die{6};
  Game game{view, die};
};

}  // namespace quintara::testing
