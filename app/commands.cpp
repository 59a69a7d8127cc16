#include "app/commands.h"

#include <array>
#include <string_view>

#include "app/form1.h"
#include "app/form_commands.h"
#include "app/wrap_button.h"
#include "calc/calculate_command.h"
#include "info/dialogs.h"

namespace app {
namespace {

struct ButtonCommand {
  std::string_view button;
  void (*run)(toolkit::Toolkit&);
};

constexpr std::array kButtonCommands = {
    ButtonCommand{"Command1", &calc::CalculateCommand},
    ButtonCommand{"Command2", &ClearCommand},
    ButtonCommand{"Command3", &PrintCommand},
    ButtonCommand{"Command4", &info::PurposeOfUseDialog},
    ButtonCommand{"Command5", &info::InquiryDialog},
    ButtonCommand{"Command7", &info::CourtDecisionDialog},
    ButtonCommand{"Command8", &CloseCommand},
    ButtonCommand{"Command9", &info::WarningDialog},
    ButtonCommand{"Command10", &info::EffectsDialog},
    ButtonCommand{"Command11", &info::DefaultValuesDialog},
};

}  // namespace

void BindCommands(Form1& form, toolkit::Toolkit& toolkit) {
  for (const ButtonCommand& command : kButtonCommands) {
    QObject::connect(form.Button(command.button), &QPushButton::clicked, &form,
                     [&toolkit, run = command.run] { run(toolkit); });
  }
}

}  // namespace app
