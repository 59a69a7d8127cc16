#pragma once
// Which command each button of Form1 runs. Each front end binds its buttons
// by this one table.

#include <array>
#include <string_view>

namespace toolkit {
class Toolkit;
}

namespace form {

struct ButtonCommand {
  std::string_view button;
  void (*run)(toolkit::Toolkit&);
};

extern const std::array<ButtonCommand, 10> kButtonCommands;

// The command of a button by its design name; nullptr for any other name.
const ButtonCommand* FindButtonCommand(std::string_view button);

}  // namespace form
