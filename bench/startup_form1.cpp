// Starts the calculator as its main does and ends after the first paint.
#include <QApplication>

#include "app/application.h"
#include "app/calculator.h"
#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::Calculator calculator;
  app::Form1& form = calculator.form;
  new QuitAfterFirstPaint(&form);
  form.show();
  return QApplication::exec();
}
