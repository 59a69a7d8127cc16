#pragma once
// How captions wrap and draw, for labels and buttons alike: CR LF starts a
// new line; a line may break at a space or between full-width characters;
// a word wider than the whole line breaks between letters.

#include <QRectF>
#include <QStringList>

#include "app/form1_design.h"

class QFontMetricsF;
class QPainter;

namespace app {

// Left-aligned captions keep every space, so a run of spaces wraps and
// indents as designed. Centred and right-aligned captions drop the spaces at
// a wrap, so each line centres on its text; one that fits on a line keeps
// its spaces, as designed.
QStringList WrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal width,
                        Alignment alignment);

// Draws wrapped lines from the top of the area, one font height apart.
void DrawCaptionLines(QPainter& painter, const QRectF& area, const QStringList& lines,
                      Alignment alignment, const QFontMetricsF& metrics);

}  // namespace app
