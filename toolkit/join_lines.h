#pragma once
// Prompts are lines joined by CR LF; this joins them, with no break before
// the first line or after the last.

#include <initializer_list>
#include <string>
#include <string_view>

namespace toolkit {

template <typename Lines>
std::u16string JoinLines(const Lines& lines, std::u16string_view separator = u"\r\n") {
  std::u16string prompt;
  bool first = true;
  for (std::u16string_view line : lines) {
    if (!first) prompt += separator;
    prompt += line;
    first = false;
  }
  return prompt;
}

inline std::u16string JoinLines(std::initializer_list<std::u16string_view> lines,
                                std::u16string_view separator = u"\r\n") {
  return JoinLines<std::initializer_list<std::u16string_view>>(lines, separator);
}

}  // namespace toolkit
