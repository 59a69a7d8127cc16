#pragma once
// Form1 on the page: its controls built from the design table as DOM
// elements, captions wrapped by the window's rule with the canvas's text
// measurement, and the page's script told which button runs a command.

#include <string>
#include <string_view>

namespace form {
struct ControlDesign;
}

namespace web {

// Creates every control of Form1 in its design-time state.
void BuildForm1();

// The design row of a control; nullptr for a name the design lacks.
const form::ControlDesign* FindControl(std::string_view name);

// An input box's text, and setting it.
std::u16string BoxText(std::string_view box);
void SetBoxText(std::string_view box, std::u16string_view text);

// Wraps a label's or button's caption and shows its lines.
void ShowCaption(const form::ControlDesign& row, std::u16string_view caption);

}  // namespace web
