#pragma once
// The commands that act on the window itself: clear (Command2), print
// (Command3) and close (Command8).

namespace app {

class Toolkit;

void ClearCommand(Toolkit& toolkit);
void PrintCommand(Toolkit& toolkit);
void CloseCommand(Toolkit& toolkit);

}  // namespace app
