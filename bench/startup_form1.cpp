// Starts the calculator as its main does and ends after the first paint.
#include <QApplication>

#include "app/application.h"
#include "app/commands.h"
#include "app/form1.h"
#include "app/qt_toolkit.h"
#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::Form1 form;
  app::QtToolkit toolkit(form);
  app::BindCommands(form, toolkit);
  new QuitAfterFirstPaint(&form);
  form.show();
  return QApplication::exec();
}
