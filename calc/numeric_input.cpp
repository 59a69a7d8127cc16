#include "calc/numeric_input.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <optional>
#include <system_error>

#include "calc/decimal_conversion.h"

namespace calc {
namespace {

// More significant digits than any double needs to be rounded correctly
// (767 are enough); the rest only count as "something nonzero follows".
constexpr std::size_t kKeptDigits = 780;

// Exponents are clamped far outside the double range so that no count of
// digits or exponent characters can overflow the arithmetic.
constexpr std::int64_t kExponentClamp = 1'000'000'000'000;

// Decimal numbers far outside these bounds need no conversion at all.
constexpr std::int64_t kOverflowPosition = 310;    // 0.d x 10^310 > DBL_MAX
constexpr std::int64_t kUnderflowPosition = -330;  // 0.d x 10^-330 < half the least subnormal

constexpr char kEnd = '\0';      // past the last character
constexpr char kOther = '\x7f';  // any character that means nothing to the rule

// What a character means to the rule: the ASCII character a full-width form
// stands for (as a Japanese input method types it), or kOther.
constexpr char Meaning(char32_t c) {
  if (c == 0) return kOther;  // a NUL in the text is not its end
  if (c < 0x80) return static_cast<char>(c);
  if (c >= 0xFF10 && c <= 0xFF19) return static_cast<char>('0' + (c - 0xFF10));
  switch (c) {
    case 0xFF0E:
      return '.';
    case 0xFF0B:
      return '+';
    case 0xFF0D:
    case 0x2212:
      return '-';
    case 0xFF45:
      return 'e';
    case 0xFF25:
      return 'E';
    case 0x3000:
      return ' ';
    default:
      return kOther;
  }
}

// Walks a text character by character, giving each one's meaning. UTF-8 is
// decoded only as far as the rule needs: every character it gives a meaning
// to is ASCII or three bytes long; any other byte is kOther on its own.
template <typename Char>
class Cursor {
 public:
  explicit Cursor(std::basic_string_view<Char> text) : m_text(text) { Load(); }

  char Peek() const { return m_char; }
  void Next() {
    m_at += m_width;
    Load();
  }
  void SkipBlanks() {
    while (m_char == ' ' || m_char == '\t' || m_char == '\n') Next();
  }

 private:
  void Load() {
    m_width = 1;
    if (m_at >= m_text.size()) {
      m_char = kEnd;
      return;
    }
    if constexpr (sizeof(Char) == 1) {
      const auto byte = [this](std::size_t k) { return static_cast<unsigned char>(m_text[k]); };
      const unsigned char lead = byte(m_at);
      if (lead >= 0x80) {
        m_char = kOther;
        const bool threeBytes = (lead & 0xF0) == 0xE0 && m_at + 2 < m_text.size() &&
                                (byte(m_at + 1) & 0xC0) == 0x80 && (byte(m_at + 2) & 0xC0) == 0x80;
        if (threeBytes) {
          const char32_t c = (char32_t(lead & 0x0F) << 12) |
                             (char32_t(byte(m_at + 1) & 0x3F) << 6) |
                             char32_t(byte(m_at + 2) & 0x3F);
          // An overlong form ("0" in three bytes) is malformed, never a digit.
          if (c >= 0x800) {
            m_char = Meaning(c);
            m_width = 3;
          }
        }
        return;
      }
    }
    m_char = Meaning(static_cast<char32_t>(m_text[m_at]));
  }

  std::basic_string_view<Char> m_text;
  std::size_t m_at = 0;
  std::size_t m_width = 1;
  char m_char = kEnd;
};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

template <typename Char>
NumberReading Read(std::basic_string_view<Char> text) {
  constexpr NumberReading kNotANumber{0, ReadFault::NotANumber};
  Cursor<Char> at(text);
  at.SkipBlanks();
  if (at.Peek() == kEnd) return {};  // empty, or blanks only: 0
  bool negative = false;
  if (at.Peek() == '+' || at.Peek() == '-') {
    negative = at.Peek() == '-';
    at.Next();
  }

  // The mantissa as 0.<digits> x 10^position, leading zeros dropped.
  std::array<char, kKeptDigits + 1> digits{};
  std::size_t kept = 0;
  bool sticky = false;    // a nonzero digit beyond those kept
  bool anyDigit = false;  // the text begins with a number
  bool seenPoint = false;
  std::int64_t position = 0;
  for (at.SkipBlanks();; at.Next(), at.SkipBlanks()) {
    const char c = at.Peek();
    if (IsDigit(c)) {
      anyDigit = true;
      if (kept == 0 && c == '0') {
        if (seenPoint) --position;  // 0.00ddd: the digits start further right
        continue;
      }
      if (!seenPoint) ++position;
      if (kept < kKeptDigits)
        digits[kept++] = c;
      else if (c != '0')
        sticky = true;
      if (position > kExponentClamp) position = kExponentClamp;
      if (position < -kExponentClamp) position = -kExponentClamp;
    } else if (c == '.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!anyDigit) return kNotANumber;

  // Exponent: "1e" and "1e+" read as 1, the letter and sign being ignored.
  if (at.Peek() == 'e' || at.Peek() == 'E') {
    at.Next();
    at.SkipBlanks();
    bool negativeExponent = false;
    if (at.Peek() == '+' || at.Peek() == '-') {
      negativeExponent = at.Peek() == '-';
      at.Next();
    }
    std::int64_t exponent = 0;
    for (at.SkipBlanks(); IsDigit(at.Peek()); at.Next(), at.SkipBlanks()) {
      exponent = exponent * 10 + (at.Peek() - '0');
      if (exponent > kExponentClamp) exponent = kExponentClamp;
    }
    position += negativeExponent ? -exponent : exponent;
  }

  // Units may follow ("200cc", "2.5時間"), a second number may not: "1,000"
  // is not 1, and "11:30" is not 11.
  for (; at.Peek() != kEnd; at.Next())
    if (IsDigit(at.Peek())) return kNotANumber;

  const double zero = negative ? -0.0 : 0.0;
  while (kept > 0 && digits[kept - 1] == '0' && !sticky) --kept;
  if (kept == 0) return {zero};
  if (position > kOverflowPosition) return {0, ReadFault::BeyondRange};
  if (position < kUnderflowPosition) return {zero};

  // "0.<digits>[1]e<position>" is what the conversion rounds correctly.
  std::array<char, kKeptDigits + 40> buffer;
  char* out = buffer.data();
  *out++ = '0';
  *out++ = '.';
  for (std::size_t k = 0; k < kept; ++k) *out++ = digits[k];
  if (sticky) *out++ = '1';
  *out++ = 'e';
  out = std::to_chars(out, buffer.data() + buffer.size(), position).ptr;

  const std::optional<double> converted =
      ParseDecimal(std::string_view(buffer.data(), static_cast<std::size_t>(out - buffer.data())));
  if (!converted) {
    if (position > 0) return {0, ReadFault::BeyondRange};
    return {zero};
  }
  return {negative ? -*converted : *converted};
}

}  // namespace

NumberReading ReadNumber(std::u16string_view text) {
  return Read(text);
}
NumberReading ReadNumber(std::string_view text) {
  return Read(text);
}

}  // namespace calc
