#pragma once
// The whole program as its main builds it: Form1, the Qt toolkit over it,
// and every button bound to its command.

#include "app/commands.h"
#include "app/form1.h"
#include "app/qt_toolkit.h"

namespace app {

struct Calculator {
  Calculator() { BindCommands(form, toolkit); }

  Form1 form;
  QtToolkit toolkit{form};
};

}  // namespace app
