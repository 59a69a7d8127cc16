// Widmark法算定計算: shows Form1 and runs until it is closed.
#include <QApplication>

#include "app/application.h"
#include "app/commands.h"
#include "app/form1.h"
#include "app/qt_toolkit.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);

  app::Form1 form;
  app::QtToolkit toolkit(form);
  app::BindCommands(form, toolkit);
  form.show();
  return QApplication::exec();
}
