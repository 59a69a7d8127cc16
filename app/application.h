#pragma once
// What the program sets up before its window: the design's font face mapped
// to one that Debian has, and Qt's own texts in Japanese.

class QApplication;

namespace app {

void PrepareApplication(QApplication& application);

}  // namespace app
