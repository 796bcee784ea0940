#include "support/RecordingView.h"

namespace quintara::testing {

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

}  // namespace quintara::testing
