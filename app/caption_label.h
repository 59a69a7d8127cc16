#pragma once
// A designed label: opaque, caption from the top, wrapped, clipped to its
// rectangle, leading spaces kept. Never takes the focus.

#include <QStringList>
#include <QWidget>

#include "form/form1_design.h"

namespace app {

class CaptionLabel : public QWidget {
  Q_OBJECT

 public:
  CaptionLabel(const QString& caption, form::Alignment alignment, bool framed, QWidget* parent);

  QString Caption() const { return m_caption; }
  void SetCaption(const QString& caption);
  QStringList Lines() const;        // as drawn, before clipping
  QRectF LineRect(int line) const;  // where a line's text is drawn, spaces left out

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QRectF TextArea() const;

  QString m_caption;
  form::Alignment m_alignment;
  bool m_framed;
  mutable QStringList m_lines;  // laid out on first need
  mutable bool m_laidOut = false;
};

}  // namespace app
