#pragma once
// The toolkit over the page: message boxes as modal <dialog>s whose answer
// the command awaits (Asyncify suspends the C++ stack meanwhile), Form1's
// controls as elements by their design names, the browser's print, and a
// closed window.

#include <string>

namespace toolkit {
class Toolkit;
}

namespace web {

// The one toolkit of the page.
toolkit::Toolkit& PageToolkit();

// The title of the last message box shown; the page clears it before a command.
std::u16string& LastTitle();

}  // namespace web
