#include "support/RecordingView.h"

namespace quintara::testing {

void RecordingView::PointPlaced(int index, int colour, bool growing) {
  events.push_back("point " + std::to_string(index) + " " + std::to_string(colour) +
                   (growing ? " grows" : ""));
}

void RecordingView::TurnChanged(int colour, const std::string& statusText) {
  events.push_back("turn " + std::to_string(colour) + " " + statusText);
}

void RecordingView::ShowMessage(const std::string& text, const std::string& caption) {
  events.push_back("message " + caption + ": " + text);
}

bool RecordingView::AskYesNo(const std::string& text, const std::string& caption) {
  events.push_back("ask " + caption + ": " + text);
  const bool answer = answers.empty() ? answerWhenEmpty : answers.front();
  if (!answers.empty()) answers.pop_front();
  return answer;
}

std::vector<std::string> RecordingView::Only(const std::string& prefix) const {
  std::vector<std::string> found;
  for (const std::string& event : events) {
    if (event.starts_with(prefix)) found.push_back(event);
  }
  return found;
}

int FixedDie::Roll() {
  ++rolls;
  return faces_.empty() ? 1 : faces_[static_cast<std::size_t>(rolls - 1) % faces_.size()];
}

}  // namespace quintara::testing
