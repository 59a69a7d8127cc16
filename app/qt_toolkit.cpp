#include "app/qt_toolkit.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <algorithm>

#include "app/caption_label.h"
#include "app/form1.h"
#include "app/wrap_button.h"

namespace app {
namespace {

QString ToQt(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// A command that names a control Form1 lacks, or one of another kind, is a
// programming fault: stop with its name rather than crash somewhere after.
template <typename Control>
Control* Found(Control* control, std::string_view name, const char* kind) {
  if (control == nullptr)
    qFatal("Form1 has no %s named %.*s", kind, static_cast<int>(name.size()), name.data());
  return control;
}

}  // namespace

int QtToolkit::ShowMessage(std::u16string_view prompt, toolkit::MessageStyle style,
                           std::u16string_view title) {
  QMessageBox box(&m_form);
  box.setWindowModality(Qt::WindowModal);
  box.setIcon(QMessageBox::NoIcon);
  box.setTextFormat(Qt::PlainText);
  box.setWindowTitle(ToQt(title));
  // CR LF is one line break; every space of every line stays.
  box.setText(ToQt(prompt).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
  if (style == toolkit::MessageStyle::YesNo) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No);  // Escape and the close button answer No
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return toolkit::kAnswerYes;
    case QMessageBox::No:
      return toolkit::kAnswerNo;
    default:
      return toolkit::kAnswerOk;
  }
}

std::u16string QtToolkit::Text(std::string_view box) const {
  return Found(m_form.Box(box), box, "text box")->text().toStdU16String();
}

void QtToolkit::SetText(std::string_view box, std::u16string_view text) {
  Found(m_form.Box(box), box, "text box")->setText(ToQt(text));
}

void QtToolkit::SetCaption(std::string_view label, std::u16string_view caption) {
  Found(m_form.Label(label), label, "label")->SetCaption(ToQt(caption));
}

void QtToolkit::SetVisible(std::string_view button, bool visible) {
  QWidget* widget = Found(m_form.Button(button), button, "button");
  if (!visible) m_refocus = widget->hasFocus() ? widget : nullptr;
  widget->setVisible(visible);
  if (visible && m_refocus == widget) widget->setFocus(Qt::OtherFocusReason);
  if (visible) m_refocus = nullptr;
}

toolkit::PrintFault QtToolkit::PrintWindow() {
  const QPrinterInfo destination = QPrinterInfo::defaultPrinter();
  if (destination.isNull()) return toolkit::PrintFault::NoPrinter;

  // The window as drawing commands, not pixels: replayed on the printer, its
  // texts stay text in the design face and its lines are drawn at the
  // printer's resolution. Hidden controls are left out, as on screen.
  QPicture picture;
  QPainter recorder(&picture);
  m_form.render(&recorder, QPoint(), QRegion(),
                QWidget::DrawWindowBackground | QWidget::DrawChildren);
  recorder.end();

  QPrinter printer(destination, QPrinter::HighResolution);
  printer.setDocName(m_form.windowTitle());
  // A queue that declares no colour would otherwise get a grey page.
  printer.setColorMode(QPrinter::Color);
  QPainter painter;
  if (!painter.begin(&printer)) return toolkit::PrintFault::JobFailed;
  // Scaled to fit the page, aspect kept, centred.
  const QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QSizeF window = m_form.size();
  const qreal scale = std::min(page.width() / window.width(), page.height() / window.height());
  painter.translate((page.width() - window.width() * scale) / 2,
                    (page.height() - window.height() * scale) / 2);
  painter.scale(scale, scale);
  // drawPicture scales by the printer's resolution over the picture's itself.
  painter.scale(qreal(picture.logicalDpiX()) / printer.logicalDpiX(),
                qreal(picture.logicalDpiY()) / printer.logicalDpiY());
  painter.drawPicture(0, 0, picture);
  return painter.end() ? toolkit::PrintFault::None : toolkit::PrintFault::JobFailed;
}

void QtToolkit::Unload() {
  m_form.close();
}

}  // namespace app
