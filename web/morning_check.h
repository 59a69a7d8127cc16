#pragma once
// 翌朝の確認 on the page: the drink list, the weight and the clock times
// turned into the window's boxes, and after the window's own 計算する the
// one answer, the clock time alcohol is gone by the cautious method.

#include <string>

namespace web {

// Offers the servings and fills the first one in.
void SetUpMorningCheck();

// The chosen serving's volume and strength into their inputs.
void ChoosePreset();

// Adds the serving as entered to the list; a text that is no number is
// said instead, and its input focused.
void AddDrink();

// The day drinking began, from its start time and now, into MorningDate.
void SuggestMorningDate();

// Fills the window's boxes (the drinks, the weight, the purpose box's
// cautious values, the time since drinking ended) and the panel's clock
// times from the check; false (with the reason said, its input focused)
// where it cannot.
bool FillWindow();

// After 計算する: the answer, or why there is none.
void ShowMorningAnswer();

// An input changed: the answer on screen is gone, and the calendar with it.
void ForgetMorningAnswer();

// The calendar file for the answer on screen, `stamp` the moment in UTC;
// empty without one.
std::string MorningCalendar(const char* stamp);

}  // namespace web
