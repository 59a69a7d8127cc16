#pragma once
// What assistive technology (AT-SPI, and so Orca) reads of Form1: each
// designed label as static text named by its caption, each input box named
// by the words that ask for it with its unit as the description.

class QWidget;

namespace app {

class Form1;

// Installs the accessible interface of the designed labels; once per process,
// before the first label is queried.
void InstallAccessibility();

// Names and describes the input boxes of a window.
void DescribeInputBoxes(Form1& form);

// Tells assistive technology that a label's caption, and so its name, changed.
void AnnounceNameChange(QWidget* label);

}  // namespace app
