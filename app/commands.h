#pragma once
// Which command each button of Form1 runs.

namespace toolkit {
class Toolkit;
}

namespace app {

class Form1;

// Connects every button's click to its command, run against the toolkit.
void BindCommands(Form1& form, toolkit::Toolkit& toolkit);

}  // namespace app
