// The yardstick: a bare window with one Japanese label in the same face.
#include <QApplication>
#include <QLabel>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  const QString face = QStringLiteral(u"ＭＳ Ｐゴシック");
  QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));
  QWidget window;
  window.resize(641, 772);
  QLabel label(QStringLiteral(u"ウィドマーク法呼気中アルコール濃度算定法"), &window);
  QFont font(face);
  font.setPointSizeF(15.75);
  label.setFont(font);
  new QuitAfterFirstPaint(&window);
  window.show();
  return QApplication::exec();
}
