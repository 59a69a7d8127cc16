// Widmark法算定計算: shows Form1 and runs until it is closed.
#include <QApplication>

#include "app/application.h"
#include "app/calculator.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::Calculator calculator;
  calculator.form.show();
  return QApplication::exec();
}
