#pragma once
// Readable names for table rows that have none of their own, so that
// `ctest -N` lists what is proven: "-1e999" becomes "minus1e999".

#include <cstdio>
#include <string>
#include <string_view>

namespace testing_support {

inline std::string CaseName(std::string_view text) {
  if (text.empty()) return "Empty";
  std::string name;
  for (char c : text) {
    const bool alnum = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    if (alnum)
      name += c;
    else if (c == '-')
      name += "minus";
    else if (c == '+')
      name += "plus";
    else
      name += '_';
  }
  return name;
}

inline std::string CaseName(double value) {
  char text[32];
  std::snprintf(text, sizeof text, "%.17g", value);
  return CaseName(std::string_view(text));
}

}  // namespace testing_support
