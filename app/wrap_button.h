#pragma once
// A push button whose caption wraps onto further lines when it is too wide,
// centred as a block; never a default button.

#include <QPushButton>
#include <QStringList>

namespace app {

class WrapButton : public QPushButton {
  Q_OBJECT

 public:
  WrapButton(const QString& caption, QWidget* parent);

  QStringList CaptionLines() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF CaptionArea() const;
};

}  // namespace app
