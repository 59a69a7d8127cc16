#include "app/application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

#include "form/form1_design.h"

namespace app {

namespace {

// The face the window is drawn in. IPAPGothic has the design face's metrics,
// so every caption wraps as designed; naming it outright spares each font
// engine a search through substitutions and fallbacks before the first frame.
// The design's own face name stays in the design table.
QString UsedFace() {
  return QStringLiteral("IPAPGothic");
}

}  // namespace

QFont DesignFont(form::FontDesign design) {
  if (design.points == 0) design = form::kWindowFont;
  QFont font(UsedFace());
  font.setPointSizeF(design.points);
  font.setWeight(design.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(design.italic);
  // The face has every glyph the program shows: no search for fallbacks, and
  // outlines as designed, which also spares loading each glyph to measure it.
  font.setStyleStrategy(QFont::NoFontMerging);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

void PrepareApplication(QApplication& application) {
  // Desktops match the window to its desktop entry (and so its icon) by this.
  QGuiApplication::setDesktopFileName(QStringLiteral(WIDMARK_APP_ID));
  QApplication::setFont(DesignFont(form::kWindowFont));  // message boxes in the same face

  auto* translator = new QTranslator(&application);
  if (translator->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(translator);
}

}  // namespace app
