#pragma once
// The morning check's words: the servings it offers, the one answer (the
// dated clock time the cautious figure reaches 0, counted from the end of
// drinking, as the purpose box asks), the figure at the time one means to
// drive in words read at a glance, an iCalendar reminder for that time, and
// notes on the check's inputs that look mistaken. Every number comes from
// calc; every text is a constant or escaped.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/limit_amounts.h"
#include "analysis/morning.h"
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

using CivilDate = analysis::CivilDate;

// What the check was given beyond the window's boxes: each listed drink, the
// weight, the clock times as entered (HH:MM) and the day drinking began,
// and the moment of the check.
struct CheckedDrink {
  std::u16string name;  // as the list shows it
  double volume, strength, count;
};
struct MorningCheck {
  std::vector<CheckedDrink> drinks;
  std::u16string weight;  // the text of 体重（kg）
  int start = 0, end = 0;
  std::optional<int> drive;
  CivilDate date{};  // drinking began
  CivilDate today{};
  int nowMinute = 0;
};

struct MorningAnswer {
  std::u16string html;    // for MorningAnswer
  std::u16string notes;   // for MorningNotes: the check's own inputs that look wrong
  std::u16string spoken;  // the whole answer and its notes, to announce once
  std::optional<std::int64_t> zeroAfterStart;  // minutes from the start of drinking
  std::u16string calendar;                     // the calendar event's description
};

// From the panel's case after the check filled the window (its time counts
// from the end of drinking, to driving where there is a time to drive).
MorningAnswer MorningAnswerOf(const analysis::Case& c, const MorningCheck& check);

// A calendar file (RFC 5545): one event at the answer's time, in local
// floating time, with a reminder then. `date` and `startMinute` are when
// drinking began; `stamp` the moment it is made, in UTC, as 20261209T071500Z.
std::string CalendarFile(CivilDate date, int startMinute, std::int64_t minutesAfterStart,
                         std::string_view stamp, std::u16string_view description);

// Notes, in box order, on entries no person or drink can have: a weight
// below 20 or above 250 kg, a negative amount, strength, weight or time, a
// strength over 100, drinking longer than the time since it began, or for
// more than a day. Empty where there are none; each names the box and its
// text. `texts` are the boxes' texts, Text1 first.
std::u16string DoubtNotes(const std::array<std::u16string, 13>& texts, const analysis::Case& c,
                          std::u16string_view drinkingText);

}  // namespace report
