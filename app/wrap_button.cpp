#include "app/wrap_button.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

#include "app/caption_layout.h"

namespace app {

WrapButton::WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
  setAutoDefault(false);
  setDefault(false);
}

void WrapButton::keyPressEvent(QKeyEvent* event) {
  // Not being a default button, Qt would pass Enter on to the window unused.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    if (!event->isAutoRepeat()) click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

QRectF WrapButton::CaptionArea() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QStringList WrapButton::CaptionLines() const {
  return WrapCaption(text(), QFontMetricsF(font()), CaptionArea().width(), form::Alignment::Centre);
}

void WrapButton::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.drawControl(QStyle::CE_PushButtonBevel, option);

  const QFontMetricsF metrics(font());
  const QStringList lines = CaptionLines();
  QRectF area = CaptionArea();
  const qreal height = metrics.height() * lines.size();
  area.setTop(area.top() + (area.height() - height) / 2);
  if (isDown())
    area.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                   style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  area.setBottom(rect().bottom());
  DrawCaptionLines(painter, area, lines, form::Alignment::Centre, metrics);

  if (hasFocus()) {
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = style()->subElementRect(QStyle::SE_PushButtonFocusRect, &option, this);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
  }
}

}  // namespace app
