#pragma once
// Ends the program once a window has finished its first paint.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

class QuitAfterFirstPaint : public QObject {
 public:
  explicit QuitAfterFirstPaint(QWidget* window) : QObject(window), m_window(window) {
    qApp->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    // The window and all its children paint in one pass (opaque children may
    // leave the window itself nothing to paint); quitting through the queue
    // lets that pass and its flush finish first.
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == m_window &&
        !m_done) {
      m_done = true;
      QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    }
    return false;
  }

 private:
  QWidget* m_window;
  bool m_done = false;
};
