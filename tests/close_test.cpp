// How the program ends: the test runs itself as a child process that builds
// the calculator as main does, edits a box and closes the window by Command8
// or as the title bar's close button does; the child must end at once with
// status 0, having shown nothing. A command that names a control of the
// wrong kind must stop the program with that name, not crash it.
#include <QLineEdit>
#include <QProcess>
#include <QtTest>
#include <cstring>

#include "app/application.h"
#include "app/calculator.h"
#include "app/wrap_button.h"

namespace {

int RunChild(int argc, char* argv[], const char* how) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::Calculator calculator;
  calculator.form.show();
  calculator.form.Box("Text1")->setText(QStringLiteral("350"));
  QTimer::singleShot(0, &calculator.form, [&calculator, how] {
    // A modal box would keep the process alive: the parent's timeout catches it.
    if (std::strcmp(how, "Command8") == 0)
      QTest::mouseClick(calculator.form.Button("Command8"), Qt::LeftButton);
    else if (std::strcmp(how, "wrongkind") == 0)
      calculator.toolkit.Text("Label24");
    else
      calculator.form.close();
  });
  return QApplication::exec();
}

}  // namespace

class CloseTest : public QObject {
  Q_OBJECT

 private slots:
  void closingEndsTheProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("crashes");
    QTest::addColumn<QString>("said");
    QTest::newRow("Command8") << "Command8" << false << QString();
    QTest::newRow("title bar") << "titlebar" << false << QString();
    QTest::newRow("a label read as a box")
        << "wrongkind" << true << QStringLiteral("Form1 has no text box named Label24");
  }

  void closingEndsTheProgram() {
    QFETCH(QString, how);
    QFETCH(bool, crashes);
    QFETCH(QString, said);
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child"), how});
    QVERIFY(child.waitForFinished(20'000));
    QCOMPARE(child.exitStatus(), crashes ? QProcess::CrashExit : QProcess::NormalExit);
    if (!crashes) QCOMPARE(child.exitCode(), 0);
    QVERIFY(QString::fromUtf8(child.readAllStandardError()).contains(said));
  }
};

int main(int argc, char* argv[]) {
  if (argc == 3 && std::strcmp(argv[1], "--child") == 0) return RunChild(1, argv, argv[2]);
  QCoreApplication application(argc, argv);
  CloseTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "close_test.moc"
