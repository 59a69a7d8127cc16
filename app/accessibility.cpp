#include "app/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>

#include "app/caption_label.h"
#include "app/form1.h"
#include "calc/input_boxes.h"

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

QAccessibleInterface* LabelFactory(const QString& className, QObject* object) {
  if (className != QLatin1String(CaptionLabel::staticMetaObject.className())) return nullptr;
  auto* label = qobject_cast<CaptionLabel*>(object);
  return label != nullptr ? new CaptionLabelAccessible(label) : nullptr;
}

}  // namespace

void InstallAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(&LabelFactory);
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
