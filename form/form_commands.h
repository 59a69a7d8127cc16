#pragma once
// The commands that act on the window itself: clear (Command2), print
// (Command3) and close (Command8).

namespace toolkit {
class Toolkit;
}

namespace form {

void ClearCommand(toolkit::Toolkit& toolkit);
void PrintCommand(toolkit::Toolkit& toolkit);
void CloseCommand(toolkit::Toolkit& toolkit);

}  // namespace form
