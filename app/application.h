#pragma once
// What the program sets up before its window: the design's font face mapped
// to one that Debian has, and Qt's own texts in Japanese.

#include <QFont>

#include "form/form1_design.h"

class QApplication;

namespace app {

void PrepareApplication(QApplication& application);

// A font of the design: the design face at a size, weight and slant; a size
// of 0 gives the window's own font.
QFont DesignFont(form::FontDesign design);

}  // namespace app
