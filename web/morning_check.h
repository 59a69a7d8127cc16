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

// Fills the window's boxes and the panel's clock times from the check; false
// (with the reason said, its input focused) where it cannot.
bool FillWindow();

// After 計算する: the answer, or why there is none.
void ShowMorningAnswer();

// The calendar file for the last answer, made for a check at `nowMinute` on
// the given day, `stamp` the moment in UTC; empty without an answer.
std::string MorningCalendar(int year, int month, int day, int nowMinute, const char* stamp);

}  // namespace web
