#pragma once
// The toolkit over the page: message boxes as modal <dialog>s whose answer
// the command awaits (Asyncify suspends the C++ stack meanwhile), Form1's
// controls as elements by their design names, the browser's print, and a
// closed window.

namespace toolkit {
class Toolkit;
}

namespace web {

// The one toolkit of the page.
toolkit::Toolkit& PageToolkit();

}  // namespace web
