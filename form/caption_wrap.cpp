#include "form/caption_wrap.h"

#include <cmath>
#include <utility>

namespace form {
namespace {

bool IsSpace(char16_t c) {
  return c == u' ' || c == u'\u3000';
}

// Full-width characters allow a break on either side; half-width katakana
// and ASCII letters do not.
bool IsWide(char16_t c) {
  return c >= 0x1100 && !(c >= 0xFF61 && c <= 0xFF9F) && !IsSpace(c);
}

// Spaces and wide characters stand alone; other runs are words.
std::vector<std::u16string_view> Tokens(std::u16string_view paragraph) {
  std::vector<std::u16string_view> tokens;
  std::size_t word = 0;
  for (std::size_t i = 0; i < paragraph.size(); ++i) {
    const char16_t c = paragraph[i];
    if (!IsSpace(c) && !IsWide(c)) continue;
    if (word < i) tokens.push_back(paragraph.substr(word, i - word));
    tokens.push_back(paragraph.substr(i, 1));
    word = i + 1;
  }
  if (word < paragraph.size()) tokens.push_back(paragraph.substr(word));
  return tokens;
}

std::u16string TrimmedRight(std::u16string line) {
  while (!line.empty() && IsSpace(line.back())) line.pop_back();
  return line;
}

class Wrapper {
 public:
  Wrapper(const CharacterAdvance& advance, double width, bool keepSpaces,
          std::vector<std::u16string>& lines)
      : m_advance(advance), m_width(width), m_keepSpaces(keepSpaces), m_lines(lines) {}

  void Paragraph(std::u16string_view paragraph) {
    for (std::u16string_view token : Tokens(paragraph)) Token(token);
    // A line that never wrapped keeps its spaces: they centre with it.
    m_lines.push_back(m_keepSpaces || !m_afterWrap ? m_line : TrimmedRight(m_line));
    m_line.clear();
    m_used = 0;
    m_afterWrap = false;
  }

 private:
  // Summed character by character, and in whole pixels, rounded up, so a
  // line never reaches past its rectangle.
  double Advance(std::u16string_view text) const {
    double sum = 0;
    for (char16_t c : text) sum += m_advance(c);
    return std::ceil(sum);
  }

  void Wrap() {
    m_lines.push_back(m_keepSpaces ? m_line : TrimmedRight(m_line));
    m_line.clear();
    m_used = 0;
    m_afterWrap = true;
  }

  void Append(std::u16string_view piece, double advance) {
    m_line += piece;
    m_used += advance;
  }

  void Token(std::u16string_view token) {
    const bool space = IsSpace(token.front());
    if (!m_keepSpaces && m_afterWrap && m_line.empty() && space) return;
    const double advance = Advance(token);
    if (m_used + advance <= m_width || (m_line.empty() && token.size() == 1)) {
      Append(token, advance);
      return;
    }
    // The space at which a line breaks is dropped; the rest of a run of
    // spaces carries on to the next line when spaces are kept.
    if (space) {
      Wrap();
      return;
    }
    if (!m_line.empty()) Wrap();
    if (advance <= m_width) {
      Append(token, advance);
      return;
    }
    for (std::size_t i = 0; i < token.size(); ++i) {  // a word wider than a whole line
      const double letter = Advance(token.substr(i, 1));
      if (m_used + letter > m_width && !m_line.empty()) Wrap();
      Append(token.substr(i, 1), letter);
    }
  }

  const CharacterAdvance& m_advance;
  const double m_width;
  const bool m_keepSpaces;
  std::vector<std::u16string>& m_lines;
  std::u16string m_line;
  double m_used = 0;
  bool m_afterWrap = false;
};

}  // namespace

std::vector<std::u16string> WrapCaption(std::u16string_view caption,
                                        const CharacterAdvance& advance, double width,
                                        Alignment alignment) {
  std::vector<std::u16string> lines;
  Wrapper wrapper(advance, width, alignment == Alignment::Left, lines);
  constexpr std::u16string_view kBreak = u"\r\n";
  for (std::size_t start = 0;;) {
    const std::size_t end = caption.find(kBreak, start);
    wrapper.Paragraph(caption.substr(start, end == std::u16string_view::npos ? end : end - start));
    if (end == std::u16string_view::npos) break;
    start = end + kBreak.size();
  }
  return lines;
}

}  // namespace form
