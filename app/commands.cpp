#include "app/commands.h"

#include "app/form1.h"
#include "app/wrap_button.h"
#include "form/button_commands.h"

namespace app {

void BindCommands(Form1& form, toolkit::Toolkit& toolkit) {
  for (const form::ButtonCommand& command : form::kButtonCommands) {
    QObject::connect(form.Button(command.button), &QPushButton::clicked, &form,
                     [&toolkit, run = command.run] { run(toolkit); });
  }
}

}  // namespace app
