#include "form/button_commands.h"

#include "calc/calculate_command.h"
#include "form/form_commands.h"
#include "info/dialogs.h"

namespace form {

const std::array<ButtonCommand, 10> kButtonCommands = {{
    {"Command1", &calc::CalculateCommand},
    {"Command2", &ClearCommand},
    {"Command3", &PrintCommand},
    {"Command4", &info::PurposeOfUseDialog},
    {"Command5", &info::InquiryDialog},
    {"Command7", &info::CourtDecisionDialog},
    {"Command8", &CloseCommand},
    {"Command9", &info::WarningDialog},
    {"Command10", &info::EffectsDialog},
    {"Command11", &info::DefaultValuesDialog},
}};

const ButtonCommand* FindButtonCommand(std::string_view button) {
  for (const ButtonCommand& command : kButtonCommands)
    if (command.button == button) return &command;
  return nullptr;
}

}  // namespace form
