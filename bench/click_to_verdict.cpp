// Time from a click on Command1 to the verdict box's first paint, 100 times.
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/application.h"
#include "app/calculator.h"
#include "app/wrap_button.h"

namespace {

using Clock = std::chrono::steady_clock;

class BoxWatcher : public QObject {
 public:
  Clock::time_point painted;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box != nullptr && event->type() == QEvent::Paint && !m_closing) {
      painted = Clock::now();
      m_closing = true;
      QTimer::singleShot(0, box, [this, box] {
        box->accept();
        m_closing = false;
      });
    }
    return false;
  }

 private:
  bool m_closing = false;
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  app::PrepareApplication(application);
  app::Calculator calculator;
  app::Form1& form = calculator.form;
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return 1;

  BoxWatcher watcher;
  application.installEventFilter(&watcher);
  std::vector<double> millis;
  for (int i = 0; i < 100; ++i) {
    const Clock::time_point clicked = Clock::now();
    QTest::mouseClick(form.Button("Command1"), Qt::LeftButton);  // returns once the box closed
    millis.push_back(std::chrono::duration<double, std::milli>(watcher.painted - clicked).count());
  }
  std::sort(millis.begin(), millis.end());
  std::printf("click to verdict box painted: median %.2f ms, min %.2f ms, max %.2f ms (n=%zu)\n",
              millis[millis.size() / 2], millis.front(), millis.back(), millis.size());
  return 0;
}
