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
#include "app/calculator.h"
#include "app/caption_label.h"
#include "app/wrap_button.h"
#include "tests/box_watcher.h"

namespace {

using namespace Qt::StringLiterals;
using testing_support::SeenBox;
using testing_support::WhenBoxOpens;

void PressKey(QMessageBox* box, Qt::Key key) {
  QTest::keyClick(box, key);
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app::PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    m_calculator = std::make_unique<app::Calculator>();
    m_form = &m_calculator->form;
    m_toolkit = &m_calculator->toolkit;
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form));
  }

  void okBoxShowsThePromptAsPlainLines() {
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* box) { PressKey(box, Qt::Key_Return); });
    const int answer = m_toolkit->ShowMessage(u" 一行目\r\n\r\n\u3000<b>三</b> ",
                                              toolkit::MessageStyle::OkOnly, u"注意");
    QCOMPARE(answer, toolkit::kAnswerOk);
    QCOMPARE(seen.title, QStringLiteral(u"注意"));
    QCOMPARE(seen.text, QStringLiteral(u" 一行目\n\n\u3000<b>三</b> "));
    QCOMPARE(seen.buttons, QStringList{QStringLiteral("OK")});
    QCOMPARE(seen.icon, QMessageBox::NoIcon);
    QCOMPARE(seen.format, Qt::PlainText);
    QCOMPARE(seen.modality, Qt::WindowModal);
    QCOMPARE(seen.parent, m_form);
  }

  void yesNoBoxAnswers_data() {
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter takes the default Yes") << 0 << toolkit::kAnswerYes;
    QTest::newRow("Escape answers No") << 1 << toolkit::kAnswerNo;
    QTest::newRow("closing the box answers No") << 2 << toolkit::kAnswerNo;
    QTest::newRow("clicking No") << 3 << toolkit::kAnswerNo;
    QTest::newRow("clicking Yes") << 4 << toolkit::kAnswerYes;
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
    QCOMPARE(m_toolkit->ShowMessage(u"どうしますか", toolkit::MessageStyle::YesNo, u"お尋ね"),
             answer);
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

  // Text as a user enters it: keys, or an input method's committed string.
  void typedTextIsReadAsMeant_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("inputMethod");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("label24");
    QTest::newRow("full-width 200 is 200")
        << "Text2" << u"２００"_s << true << u"有罪です"_s << "0.2160989056";
    QTest::newRow("1,000 is no number")
        << "Text2"
        << "1,000" << false << u"計算できません"_s << "0.2524862592";
    QTest::newRow("a zero factor is a fault")
        << "Text6"
        << "0" << false << u"計算できません"_s << "0.2524862592";
  }

  void typedTextIsReadAsMeant() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, inputMethod);
    QFETCH(QString, title);
    QFETCH(QString, label24);
    QLineEdit* edit = m_form->Box(box.toStdString());
    edit->setFocus();
    edit->selectAll();
    if (inputMethod) {
      QInputMethodEvent commit;
      commit.setCommitString(typed);
      QApplication::sendEvent(edit, &commit);
    } else {
      QTest::keyClicks(edit, typed);
    }
    QCOMPARE(edit->text(), typed);
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* shown) { PressKey(shown, Qt::Key_Return); });
    QTest::mouseClick(m_form->Button("Command1"), Qt::LeftButton);
    QCOMPARE(seen.title, title);
    QCOMPARE(m_form->Label("Label24")->Caption(), label24);
    m_form->Label("Label24")->SetCaption(QStringLiteral("0.2524862592"));
    ClearAndRestoreDefaults();
  }

  void clearButtonPressedAsAUserWould_data() {
    QTest::addColumn<int>("key");  // 0: a mouse click
    QTest::newRow("mouse click") << 0;
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
  }

  void clearButtonPressedAsAUserWould() {
    QFETCH(int, key);
    for (int i = 1; i <= 13; ++i) m_form->Box("Text" + std::to_string(i))->setText("9");
    m_form->Label("Label24")->SetCaption(QStringLiteral("0.5"));
    app::WrapButton* clear = m_form->Button("Command2");
    if (key == 0) {
      QTest::mouseClick(clear, Qt::LeftButton);
    } else {
      clear->setFocus();
      const auto modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
      QTest::keyClick(clear, Qt::Key(key), modifiers);
    }
    const QStringList expected = {"0", "0", "0",  "0", "0.7947", "0.78", "0.15",
                                  "0", "0", "15", "5", "0",      "9"};
    for (int i = 1; i <= 13; ++i)
      QCOMPARE(m_form->Box("Text" + std::to_string(i))->text(), expected[i - 1]);
    QCOMPARE(m_form->Label("Label24")->Caption(), QStringLiteral("0"));
    m_form->Box("Text13")->setText(QStringLiteral("2000"));
    ClearAndRestoreDefaults();
  }

  void enterInABoxDoesNothing() {
    QLineEdit* box = m_form->Box("Text1");
    box->setFocus();
    SeenBox seen;
    WhenBoxOpens(seen, *m_form, [](QMessageBox* shown) { PressKey(shown, Qt::Key_Return); });
    QTest::keyClick(box, Qt::Key_Return);
    QTest::qWait(50);
    QVERIFY(!seen.shown);
    QCOMPARE(m_form->Label("Label24")->Caption(), QStringLiteral("0"));
    QCOMPARE(box->text(), QStringLiteral("200"));
  }

 private:
  // Back to the start-up texts for the tests that follow.
  void ClearAndRestoreDefaults() {
    const QStringList starts = {"200", "300", "70", "1", "0.7947", "0.78", "0.15",
                                "0",   "0",   "15", "5", "0",      "2000"};
    for (int i = 1; i <= 13; ++i) m_form->Box("Text" + std::to_string(i))->setText(starts[i - 1]);
  }

  std::unique_ptr<app::Calculator> m_calculator;
  app::Form1* m_form = nullptr;
  app::QtToolkit* m_toolkit = nullptr;
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
