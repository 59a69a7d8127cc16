#pragma once
// Captions on Qt: wrapped by the window's rule (form/caption_wrap.h) with
// Qt's font metrics, and drawn line by line.

#include <QRectF>
#include <QStringList>

#include "form/form1_design.h"

class QFontMetricsF;
class QPainter;

namespace app {

QStringList WrapCaption(const QString& caption, const QFontMetricsF& metrics, qreal width,
                        form::Alignment alignment);

// Draws wrapped lines from the top of the area, one font height apart.
void DrawCaptionLines(QPainter& painter, const QRectF& area, const QStringList& lines,
                      form::Alignment alignment, const QFontMetricsF& metrics);

}  // namespace app
