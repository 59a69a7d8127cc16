#pragma once
// For widget tests: notes what the next modal message box shows, then acts
// on it (a key press, a click, closing it).

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "app/caption_label.h"
#include "app/form1.h"

namespace testing_support {

struct SeenBox {
  bool shown = false;
  QString title;
  QString text;
  QStringList buttons;
  QString defaultButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
  QString label24;        // the result label meanwhile
  bool command3 = false;  // whether the print button was visible meanwhile
};

inline void WhenBoxOpens(SeenBox& seen, const app::Form1& form,
                         std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer(QCoreApplication::instance());  // freed with the application if no box opens
  QObject::connect(timer, &QTimer::timeout, [timer, &seen, &form, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    seen.shown = true;
    seen.title = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    seen.buttons.sort();
    if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
    seen.icon = box->icon();
    seen.format = box->textFormat();
    seen.modality = box->windowModality();
    seen.parent = box->parentWidget();
    seen.label24 = form.Label("Label24")->Caption();
    seen.command3 = form.Control("Command3")->isVisible();
    act(box);
  });
  timer->start(5);
}

}  // namespace testing_support
