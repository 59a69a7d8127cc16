#pragma once
// Which command each button of Form1 runs.

namespace app {

class Form1;
class Toolkit;

// Connects every button's click to its command, run against the toolkit.
void BindCommands(Form1& form, Toolkit& toolkit);

}  // namespace app
