#include "app/caption_layout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>
#include <cmath>

namespace app {
namespace {

bool IsSpace(QChar c) {
  return c == u' ' || c == u'\u3000';
}

// Full-width characters allow a break on either side; half-width katakana
// and ASCII letters do not.
bool IsWide(QChar c) {
  const char16_t u = c.unicode();
  return u >= 0x1100 && !(u >= 0xFF61 && u <= 0xFF9F) && !IsSpace(c);
}

// Spaces and wide characters stand alone; other runs are words.
QStringList Tokens(const QString& paragraph) {
  QStringList tokens;
  QString word;
  for (QChar c : paragraph) {
    if (IsSpace(c) || IsWide(c)) {
      if (!word.isEmpty()) tokens << std::exchange(word, {});
      tokens << QString(c);
    } else {
      word += c;
    }
  }
  if (!word.isEmpty()) tokens << word;
  return tokens;
}

QString TrimmedRight(QString line) {
  while (!line.isEmpty() && IsSpace(line.back())) line.chop(1);
  return line;
}

// Summed character by character, which needs no text shaping, and in whole
// pixels, rounded up, so a line never reaches past its rectangle.
qreal Advance(const QFontMetricsF& metrics, const QString& text) {
  qreal advance = 0;
  for (QChar c : text) advance += metrics.horizontalAdvance(c);
  return std::ceil(advance);
}

void WrapParagraph(const QString& paragraph, const QFontMetricsF& metrics, qreal width,
                   bool keepSpaces, QStringList& lines) {
  QString line;
  qreal used = 0;
  bool afterWrap = false;
  auto wrap = [&] {
    lines << (keepSpaces ? line : TrimmedRight(line));
    line.clear();
    used = 0;
    afterWrap = true;
  };
  auto append = [&](const QString& piece, qreal advance) {
    line += piece;
    used += advance;
  };

  for (const QString& token : Tokens(paragraph)) {
    const bool space = IsSpace(token.front());
    if (!keepSpaces && afterWrap && line.isEmpty() && space) continue;
    const qreal advance = Advance(metrics, token);
    if (used + advance <= width || (line.isEmpty() && token.size() == 1)) {
      append(token, advance);
      continue;
    }
    // The space at which a line breaks is dropped; the rest of a run of
    // spaces carries on to the next line when spaces are kept.
    if (space) {
      wrap();
      continue;
    }
    if (!line.isEmpty()) wrap();
    if (advance <= width) {
      append(token, advance);
      continue;
    }
    for (QChar c : token) {  // a word wider than a whole line
      const qreal letter = Advance(metrics, QString(c));
      if (used + letter > width && !line.isEmpty()) wrap();
      append(QString(c), letter);
    }
  }
  // A line that never wrapped keeps its spaces: they centre with it.
  lines << (keepSpaces || !afterWrap ? line : TrimmedRight(line));
}

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
                        Alignment alignment) {
  QStringList lines;
  const bool keepSpaces = alignment == Alignment::Left;
  for (const QString& paragraph : caption.split(QStringLiteral("\r\n")))
    WrapParagraph(paragraph, metrics, width, keepSpaces, lines);
  return lines;
}

void DrawCaptionLines(QPainter& painter, const QRectF& area, const QStringList& lines,
                      Alignment alignment, const QFontMetricsF& metrics) {
  qreal top = area.top();
  for (const QString& line : lines) {
    if (top >= area.bottom()) break;  // the rest is clipped anyway
    qreal left = area.left();
    if (alignment != Alignment::Left) {
      const qreal spare = area.width() - metrics.horizontalAdvance(line);
      left += alignment == Alignment::Centre ? spare / 2 : spare;
    }
    DrawLine(painter, QPointF(left, top + metrics.ascent()), line);
    top += metrics.height();
  }
}

}  // namespace app
