#pragma once
// The calculate command (Command1): reads Text1..Text13, checks that an
// amount, a time and a weight were given, computes the figure, shows it in
// Label24 and opens the verdict box. Faults are reported, never fatal.

#include <string_view>
#include <vector>

namespace toolkit {
class Toolkit;
}

namespace calc {

void CalculateCommand(toolkit::Toolkit& toolkit);

// The boxes a 計算できません box names for the boxes' texts as they stand, in
// the order it names them: the box that cannot be read, or those to check
// after a fault of the arithmetic. Empty where it names none.
std::vector<std::string_view> BoxesNamed(const toolkit::Toolkit& toolkit);

}  // namespace calc
