#include "game/Language.h"

#include <vector>

namespace quintara {

std::string Language::Translate(const char* french, int count) const {
  std::string text = french;
  if (count < 0) return text;
  const std::string number = std::to_string(count);
  for (std::size_t at = text.find("%n"); at != std::string::npos;
       at = text.find("%n", at + number.size())) {
    text.replace(at, 2, number);
  }
  return text;
}

std::string Language::Sentence(const char* french,
                               std::initializer_list<std::string> arguments) const {
  return FillIn(Translate(french), arguments);
}

std::string FillIn(const std::string& text, std::initializer_list<std::string> arguments) {
  const std::vector<std::string> values(arguments);
  std::string filled;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const char next = at + 1 < text.size() ? text[at + 1] : '\0';
    const auto number = static_cast<std::size_t>(next - '0');
    if (text[at] == '%' && next >= '1' && next <= '9' && number <= values.size()) {
      filled += values[number - 1];
      ++at;
    } else {
      filled += text[at];
    }
  }
  return filled;
}

}  // namespace quintara
