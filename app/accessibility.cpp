#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <algorithm>
#include <vector>

#include "app/caption_label.h"
#include "app/form1.h"
#include "calc/input_boxes.h"
#include "form/phone_layout.h"

namespace app {
namespace {

QString FromTable(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// A label reads as its caption, without the runs of spaces that only place it
// on the window; a caption of blanks has no name.
class CaptionLabelAccessible : public QAccessibleWidget {
 public:
  explicit CaptionLabelAccessible(CaptionLabel* label)
      : QAccessibleWidget(label, QAccessible::StaticText) {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return QAccessibleWidget::text(t);
    QString caption = static_cast<const CaptionLabel*>(widget())->Caption();
    return caption.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).trimmed();
  }
};

// The window reads its controls in reading order (caption, box, unit; the
// figure's caption, the figure), not in the order they are stacked, and
// leaves out those with nothing to read. What is painted and the Tab order
// stay as designed.
class Form1Accessible : public QAccessibleWidget {
 public:
  explicit Form1Accessible(Form1* form) : QAccessibleWidget(form, QAccessible::Window) {}

  int childCount() const override { return static_cast<int>(Children().size()); }

  QAccessibleInterface* child(int index) const override {
    const std::vector<QObject*> children = Children();
    if (index < 0 || index >= static_cast<int>(children.size())) return nullptr;
    return QAccessible::queryAccessibleInterface(children[static_cast<std::size_t>(index)]);
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (child == nullptr) return -1;
    const std::vector<QObject*> children = Children();
    const auto found = std::find(children.begin(), children.end(), child->object());
    return found == children.end() ? -1 : static_cast<int>(found - children.begin());
  }

 private:
  // Looked up at each call: the interface may be asked for while the window
  // is still being built.
  std::vector<QObject*> Children() const {
    std::vector<QObject*> children;
    const auto* form = static_cast<const Form1*>(widget());
    for (const form::PhonePlace& place : form::kPhoneLayout)
      if (QWidget* control = form->Control(place.control)) children.push_back(control);
    return children;
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  if (className == QLatin1String(CaptionLabel::staticMetaObject.className())) {
    auto* label = qobject_cast<CaptionLabel*>(object);
    return label != nullptr ? new CaptionLabelAccessible(label) : nullptr;
  }
  if (className == QLatin1String(Form1::staticMetaObject.className())) {
    auto* form = qobject_cast<Form1*>(object);
    return form != nullptr ? new Form1Accessible(form) : nullptr;
  }
  return nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&Factory);
    return true;
  }();
  (void)installed;
}

void DescribeInputBoxes(Form1& form) {
  for (const calc::InputBox& box : calc::kInputBoxTable) {
    QLineEdit* edit = form.Box(box.name);
    edit->setAccessibleName(FromTable(box.caption));
    edit->setAccessibleDescription(FromTable(box.unit));
  }
}

void AnnounceNameChange(QWidget* label) {
  QAccessibleEvent event(label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace app
