#pragma once
// The morning check's words: the servings it offers, the one answer (the
// clock time the cautious figure reaches 0, counted from the end of
// drinking, as the purpose box asks), the figure at the time one means to
// drive, an iCalendar reminder for that time, and notes on inputs that
// cannot be right. Every number comes from calc; every text is a constant
// or escaped.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/limit_amounts.h"
#include "calc/widmark.h"
#include "report/detail_panel.h"

namespace report {

struct DrinkPreset {
  std::u16string_view name;      // with its volume and strength
  std::u16string_view volume;    // mL, as typed into DrinkVolume
  std::u16string_view strength;  // %, as typed into DrinkStrength
  analysis::Drink kind;
};
extern const std::array<DrinkPreset, 10> kDrinkPresets;

struct MorningAnswer {
  std::u16string html;                         // for MorningAnswer
  std::u16string spoken;                       // the first line, for announcing
  std::optional<std::int64_t> zeroAfterStart;  // minutes from the start of drinking
};

// From the panel's inputs with the drinking time and its start given;
// `driveAfterStart` is the minutes from the start to driving, when given.
MorningAnswer MorningAnswerOf(const analysis::Case& c, std::optional<std::int64_t> driveAfterStart);

// A calendar file (RFC 5545): one event at the answer's time, in local
// floating time. `start` is the date and minute drinking began; `stamp`
// the moment it is made, in UTC, as 20261209T071500Z.
struct CivilDate {
  int year, month, day;
};
std::string CalendarFile(CivilDate date, int startMinute, std::int64_t minutesAfterStart,
                         std::string_view stamp);

// The day drinking began, for a check made at `nowMinute` on `today`: the
// latest time at the start's minute that is not after now.
CivilDate StartDate(CivilDate today, int nowMinute, int startMinute);

// Notes, in box order, on entries no person or drink can have: a weight
// below 20 or above 250 kg, a negative amount, strength, weight or time, a
// strength over 100, drinking longer than the time since it began, or for
// more than a day. Empty where there are none; each names the box and its
// text. `texts` are the boxes' texts, Text1 first.
std::u16string DoubtNotes(const std::array<std::u16string, 13>& texts, const analysis::Case& c,
                          std::u16string_view drinkingText);

}  // namespace report
