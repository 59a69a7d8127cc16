#include "app/caption_label.h"

#include <QFontMetricsF>
#include <QPainter>

#include "app/accessibility.h"
#include "app/caption_layout.h"

namespace app {
namespace {
constexpr qreal kFrameInset = 3;  // room for the frame and a little air
}

CaptionLabel::CaptionLabel(const QString& caption, form::Alignment alignment, bool framed,
                           QWidget* parent)
    : QWidget(parent), m_caption(caption), m_alignment(alignment), m_framed(framed) {
  setAutoFillBackground(true);  // opaque: covers whatever lies beneath
  setFocusPolicy(Qt::NoFocus);
}

void CaptionLabel::SetCaption(const QString& caption) {
  if (caption == m_caption) return;
  m_caption = caption;
  m_laidOut = false;
  update();
  AnnounceNameChange(this);  // a screen reader reads the new figure
}

QStringList CaptionLabel::Lines() const {
  if (!m_laidOut) {
    m_lines = WrapCaption(m_caption, QFontMetricsF(font()), TextArea().width(), m_alignment);
    m_laidOut = true;
  }
  return m_lines;
}

QRectF CaptionLabel::LineRect(int line) const {
  const QString text = Lines().value(line);
  const QFontMetricsF metrics(font());
  const QRectF area = TextArea();
  qsizetype first = 0;
  while (first < text.size() && text[first].isSpace()) ++first;
  const qreal indent = metrics.horizontalAdvance(text.left(first));
  const qreal full = metrics.horizontalAdvance(text);
  qreal left = area.left();
  if (m_alignment == form::Alignment::Centre) left += (area.width() - full) / 2;
  if (m_alignment == form::Alignment::Right) left += area.width() - full;
  return QRectF(left + indent, area.top() + line * metrics.height(), full - indent,
                metrics.height());
}

QRectF CaptionLabel::TextArea() const {
  const QRectF area(rect());
  return m_framed ? area.adjusted(kFrameInset, 1, -kFrameInset, -1) : area;
}

void CaptionLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  if (m_framed) {
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }
  if (m_caption.isEmpty()) return;
  painter.setPen(palette().color(QPalette::WindowText));
  DrawCaptionLines(painter, TextArea(), Lines(), m_alignment, QFontMetricsF(font()));
}

void CaptionLabel::resizeEvent(QResizeEvent*) {
  m_laidOut = false;
}

}  // namespace app
