#include "app/commands.h"

#include <array>
#include <string_view>

#include "app/form1.h"
#include "app/wrap_button.h"
#include "calc/calculate_command.h"

namespace app {
namespace {

struct ButtonCommand {
  std::string_view button;
  void (*run)(Toolkit&);
};

constexpr std::array kButtonCommands = {
    ButtonCommand{"Command1", &calc::CalculateCommand},
};

}  // namespace

void BindCommands(Form1& form, Toolkit& toolkit) {
  for (const ButtonCommand& command : kButtonCommands) {
    QObject::connect(form.Button(command.button), &QPushButton::clicked, &form,
                     [&toolkit, run = command.run] { run(toolkit); });
  }
}

}  // namespace app
