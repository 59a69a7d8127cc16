#include "app/caption_layout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include "form/caption_wrap.h"

namespace app {
namespace {

// On screen Qt slants and emboldens a face that has no italic or bold of its
// own (IPAPGothic has neither), but its PDF output keeps the plain outlines.
// The window is printed through a recorded QPicture, so there the two are
// drawn explicitly: a slant by shearing, bold by a second pass a hair to the
// right. The text stays text either way.
constexpr qreal kSlant = 0.2;            // as Qt's synthetic italic
constexpr qreal kBoldOffset = 1.0 / 24;  // of the em, as FreeType's emboldening

bool HasStyle(const QFont& font, bool bold) {
  const QString family = QFontInfo(font).family();
  for (const QString& style : QFontDatabase::styles(family)) {
    if (bold ? QFontDatabase::bold(family, style) : QFontDatabase::italic(family, style))
      return true;
  }
  return false;
}

void DrawLine(QPainter& painter, QPointF baseline, const QString& line) {
  const QFont& font = painter.font();
  const bool recording = painter.paintEngine()->type() == QPaintEngine::Picture;
  const bool slant = recording && font.italic() && !HasStyle(font, false);
  const bool bold = recording && font.bold() && !HasStyle(font, true);
  if (!slant && !bold) {
    painter.drawText(baseline, line);
    return;
  }
  painter.save();
  painter.translate(baseline);
  if (slant) painter.shear(-kSlant, 0);
  painter.drawText(QPointF(), line);
  if (bold) painter.drawText(QPointF(font.pointSizeF() * 96 / 72 * kBoldOffset, 0), line);
  painter.restore();
}

}  // namespace

QStringList WrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal width,
                        form::Alignment alignment) {
  const auto advance = [&metrics](char16_t c) { return metrics.horizontalAdvance(QChar(c)); };
  QStringList lines;
  for (const std::u16string& line :
       form::WrapCaption(caption.toStdU16String(), advance, width, alignment))
    lines << QString::fromStdU16String(line);
  return lines;
}

void DrawCaptionLines(QPainter& painter, const QRectF& area, const QStringList& lines,
                      form::Alignment alignment, const QFontMetricsF& metrics) {
  qreal top = area.top();
  for (const QString& line : lines) {
    if (top >= area.bottom()) break;  // the rest is clipped anyway
    qreal left = area.left();
    if (alignment != form::Alignment::Left) {
      const qreal spare = area.width() - metrics.horizontalAdvance(line);
      left += alignment == form::Alignment::Centre ? spare / 2 : spare;
    }
    DrawLine(painter, QPointF(left, top + metrics.ascent()), line);
    top += metrics.height();
  }
}

}  // namespace app
