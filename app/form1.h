#pragma once
// Form1, the calculator's one window, built from its design table: thirteen
// input boxes, ten buttons and fifty-two labels at fixed places. It holds all
// of the program's state (the boxes' texts and Label24's caption) and runs no
// code of its own; buttons are bound to commands from outside.

#include <QWidget>
#include <string_view>
#include <unordered_map>
#include <vector>

class QLineEdit;

namespace app {

class CaptionLabel;
class WrapButton;

class Form1 : public QWidget {
  Q_OBJECT

 public:
  explicit Form1(QWidget* parent = nullptr);

  // Controls by their design names; nullptr for a name of another kind.
  QWidget* Control(std::string_view name) const;
  QLineEdit* Box(std::string_view name) const;
  CaptionLabel* Label(std::string_view name) const;
  WrapButton* Button(std::string_view name) const;

  // The boxes and buttons in Tab order.
  const std::vector<QWidget*>& TabOrder() const { return m_tabOrder; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::unordered_map<std::string_view, QWidget*> m_controls;
  std::vector<QWidget*> m_tabOrder;
};

}  // namespace app
