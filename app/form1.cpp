#include "app/form1.h"

#include <QApplication>
#include <QIcon>
#include <QImageReader>
#include <QLineEdit>
#include <QPixmap>
#include <algorithm>
#include <limits>

#include "app/accessibility.h"
#include "app/application.h"
#include "app/caption_label.h"
#include "form/form1_design.h"
#include "app/wrap_button.h"

namespace app {
namespace {

QColor Colour(std::int32_t rgb) {
  return QColor::fromRgb(static_cast<QRgb>(rgb));
}

QString FromDesign(std::u16string_view text) {
  return QString(reinterpret_cast<const QChar*>(text.data()), static_cast<qsizetype>(text.size()));
}

// The same images the desktop entry shows, read as the PNGs they are: no
// probing of other image formats' plugins.
QIcon WindowIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128, 256}) {
    QImageReader reader(QStringLiteral(":/widmark-%1.png").arg(size), "png");
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

QWidget* CreateControl(const form::ControlDesign& row, QWidget* parent) {
  const QString caption = FromDesign(row.caption);
  switch (row.kind) {
    case form::ControlKind::TextBox: {
      auto* box = new QLineEdit(parent);
      box->setFont(DesignFont(row.font));                  // before the text: one layout, not two
      box->setMaxLength(std::numeric_limits<int>::max());  // no limit of our own
      box->setText(caption);
      // A Japanese input method then starts in half-width digits.
      box->setInputMethodHints(Qt::ImhPreferNumbers | Qt::ImhPreferLatin);
      return box;
    }
    case form::ControlKind::CommandButton:
      return new WrapButton(caption, parent);
    case form::ControlKind::Label: {
      auto* label =
          new CaptionLabel(caption, row.alignment, row.backColour != form::kStandardColour, parent);
      QPalette palette = label->palette();
      palette.setColor(QPalette::Window,
                       Colour(row.backColour == form::kStandardColour ? form::kStandardFace : row.backColour));
      palette.setColor(QPalette::WindowText,
                       Colour(row.textColour == form::kStandardColour ? form::kStandardText : row.textColour));
      label->setPalette(palette);
      return label;
    }
  }
  return nullptr;
}

}  // namespace

Form1::Form1(QWidget* parent) : QWidget(parent) {
  InstallAccessibility();
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromDesign(form::kForm1Caption));
  setFixedSize(form::TwipsToPixels(form::kForm1ClientWidth), form::TwipsToPixels(form::kForm1ClientHeight));
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, Colour(form::kForm1BackColour));
  setPalette(palette);
  setAutoFillBackground(true);

  // The table lists front to back; creating back to front stacks them so.
  // (Reverse iterators, not std::views::reverse, which clang 14 cannot
  // compile against libstdc++ 12; the sanitizer build uses clang.)
  for (auto it = form::kForm1Controls.rbegin(); it != form::kForm1Controls.rend(); ++it) {
    const form::ControlDesign& row = *it;
    QWidget* control = CreateControl(row, this);
    control->setObjectName(QString::fromLatin1(row.name.data(), row.name.size()));
    control->setGeometry(form::TwipsToPixels(row.left), form::TwipsToPixels(row.top), form::TwipsToPixels(row.width),
                         form::TwipsToPixels(row.height));
    control->setFont(DesignFont(row.font));
    m_controls.emplace(row.name, control);
  }

  std::vector<const form::ControlDesign*> focusable;
  for (const form::ControlDesign& row : form::kForm1Controls)
    if (row.kind != form::ControlKind::Label) focusable.push_back(&row);
  std::sort(focusable.begin(), focusable.end(),
            [](const auto* a, const auto* b) { return a->tabIndex < b->tabIndex; });
  for (const form::ControlDesign* row : focusable) m_tabOrder.push_back(m_controls.at(row->name));
  for (std::size_t i = 1; i < m_tabOrder.size(); ++i) setTabOrder(m_tabOrder[i - 1], m_tabOrder[i]);
  qApp->installEventFilter(this);  // until the first paint, for the icon
  m_tabOrder.front()->setFocus();
  // Typing then replaces the default: 360 typed at once is 360, not 200360.
  if (auto* first = qobject_cast<QLineEdit*>(m_tabOrder.front())) first->selectAll();
  DescribeInputBoxes(*this);
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
  // The icon is not part of the first frame: it is decoded once the window
  // has painted (the window and its controls paint in one pass), not before.
  const auto* widget = qobject_cast<QWidget*>(watched);
  if (event->type() == QEvent::Paint && widget != nullptr && widget->window() == this) {
    qApp->removeEventFilter(this);
    QMetaObject::invokeMethod(
        this, [this] { setWindowIcon(WindowIcon()); }, Qt::QueuedConnection);
  }
  return false;
}

QWidget* Form1::Control(std::string_view name) const {
  const auto found = m_controls.find(name);
  return found == m_controls.end() ? nullptr : found->second;
}

QLineEdit* Form1::Box(std::string_view name) const {
  return qobject_cast<QLineEdit*>(Control(name));
}

CaptionLabel* Form1::Label(std::string_view name) const {
  return qobject_cast<CaptionLabel*>(Control(name));
}

WrapButton* Form1::Button(std::string_view name) const {
  return qobject_cast<WrapButton*>(Control(name));
}

}  // namespace app
