#pragma once
// A push button whose caption wraps onto further lines when it is too wide,
// centred as a block; never a default button. Enter presses it when it has
// the focus, as Space does.

#include <QPushButton>
#include <QStringList>

namespace app {

class WrapButton : public QPushButton {
  Q_OBJECT

 public:
  WrapButton(const QString& caption, QWidget* parent);

  QStringList CaptionLines() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF CaptionArea() const;
};

}  // namespace app
