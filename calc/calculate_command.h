#pragma once
// The calculate command (Command1): reads Text1..Text13, checks that an
// amount, a time and a weight were given, computes the figure, shows it in
// Label24 and opens the verdict box. Faults are reported, never fatal.

namespace toolkit {
class Toolkit;
}

namespace calc {

void CalculateCommand(toolkit::Toolkit& toolkit);

}  // namespace calc
