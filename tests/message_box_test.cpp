// The Qt message box behind the toolkit, answered by real key presses and
// clicks: styles, answers, texts, and one calculation through it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "app/application.h"
#include "app/caption_label.h"
#include "app/commands.h"
#include "app/form1.h"
#include "app/qt_toolkit.h"
#include "app/wrap_button.h"

namespace {

struct SeenBox {
  QString title;
  QString text;
  QStringList buttons;
  QString defaultButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  Qt::WindowModality modality = Qt::NonModal;
  QWidget* parent = nullptr;
  QString label24;
};

// Waits for the next modal box, notes what it shows, then acts on it.
void WhenBoxOpens(SeenBox& seen, const app::Form1& form, std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, &seen, &form, act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer->stop();
    timer->deleteLater();
    seen.title = box->windowTitle();
    seen.text = box->text();
    for (QAbstractButton* button : box->buttons()) seen.buttons << button->text();
    seen.buttons.sort();
    if (box->defaultButton() != nullptr) seen.defaultButton = box->defaultButton()->text();
    seen.icon = box->icon();
    seen.format = box->textFormat();
    seen.modality = box->windowModality();
    seen.parent = box->parentWidget();
    seen.label24 = form.Label("Label24")->Caption();
    act(box);
  });
  timer->start(5);
}

void PressKey(QMessageBox* box, Qt::Key key) {
  QTest::keyClick(box, key);
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app::PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    m_form = std::make_unique<app::Form1>();
    m_toolkit = std::make_unique<app::QtToolkit>(*m_form);
    app::BindCommands(*m_form, *m_toolkit);
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
  }

  void okBoxShowsThePromptAsPlainLines() {
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* box) { PressKey(box, Qt::Key_Return); });
    const int answer = m_toolkit->ShowMessage(u" 一行目\r\n\r\n\u3000<b>三</b> ",
                                              app::MessageStyle::OkOnly, u"注意");
    QCOMPARE(answer, app::kAnswerOk);
    QCOMPARE(seen.title, QStringLiteral(u"注意"));
    QCOMPARE(seen.text, QStringLiteral(u" 一行目\n\n\u3000<b>三</b> "));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.modality, Qt::WindowModal);
    QCOMPARE(seen.parent, m_form.get());
  }

  void yesNoBoxAnswers_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default Yes") << 0 << app::kAnswerYes;
    QTest::newRow("Escape answers No") << 1 << app::kAnswerNo;
    QTest::newRow("closing the box answers No") << 2 << app::kAnswerNo;
    QTest::newRow("clicking No") << 3 << app::kAnswerNo;
    QTest::newRow("clicking Yes") << 4 << app::kAnswerYes;
  }

  void yesNoBoxAnswers() {
    QFETCH(int, action);
    QFETCH(int, answer);
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [action](QMessageBox* box) {
      switch (action) {
        case 0:
          PressKey(box, Qt::Key_Return);
          break;
        case 1:
          PressKey(box, Qt::Key_Escape);
          break;
        case 2:
          box->close();
          break;
        case 3:
          QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
          break;
        case 4:
          QTest::mouseClick(box->button(QMessageBox::Yes), Qt::LeftButton);
          break;
      }
    });
    QCOMPARE(m_toolkit->ShowMessage(u"どうしますか", app::MessageStyle::YesNo, u"お尋ね"), answer);
    // Qt's own button texts come in Japanese.
    QCOMPARE(seen.buttons,
             (QStringList{QStringLiteral(u"いいえ(&N)"), QStringLiteral(u"はい(&Y)")}));
    QCOMPARE(seen.defaultButton, QStringLiteral(u"はい(&Y)"));
  }

  void calculateShowsTheFigureBeforeTheVerdictBox() {
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* box) { PressKey(box, Qt::Key_Escape); });
    QTest::mouseClick(m_form->Button("Command1"), Qt::LeftButton);
    QCOMPARE(seen.title, QStringLiteral(u"有罪です"));
    QCOMPARE(seen.label24, QStringLiteral("0.2524862592"));
    QVERIFY(seen.text.contains(QStringLiteral(u"\n\n0.2524862592となりました。\n\n")));
    QCOMPARE(m_form->Label("Label24")->Caption(), QStringLiteral("0.2524862592"));
  }

  void faultReportLeavesTheFigureAlone() {
    m_form->Box("Text6")->setText(QStringLiteral("0"));
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* box) { PressKey(box, Qt::Key_Return); });
    QTest::mouseClick(m_form->Button("Command1"), Qt::LeftButton);
    QCOMPARE(seen.title, QStringLiteral(u"計算できません"));
    QCOMPARE(m_form->Label("Label24")->Caption(), QStringLiteral("0.2524862592"));
    m_form->Box("Text6")->setText(QStringLiteral("0.78"));
  }

 private:
  std::unique_ptr<app::Form1> m_form;
  std::unique_ptr<app::QtToolkit> m_toolkit;
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
