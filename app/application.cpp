#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/form1_design.h"

namespace app {

void PrepareApplication(QApplication& application) {
  // IPAPGothic has the design face's metrics, so every caption wraps as designed.
  const QString face = QString::fromUtf16(kDesignFace.data(), kDesignFace.size());
  QFont::insertSubstitution(face, QStringLiteral("IPAPGothic"));
  QFont font(face);
  font.setPointSizeF(kWindowFont.points);
  QApplication::setFont(font);  // message boxes and menus in the same face

  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace app
