// Form1 as a user sees it: start-up texts, focus, Tab order, what the
// overlapping labels show, and wrapped captions.
#include "app/form1.h"

#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "app/application.h"
#include "app/caption_label.h"
#include "app/qt_toolkit.h"
#include "app/wrap_button.h"

using app::Form1;

namespace {

// Lines of a label with some text that any part of the screen shows.
QList<int> VisibleTextLines(const app::CaptionLabel& label) {
  QList<int> shown;
  const QRegion visible = label.visibleRegion();
  const QStringList lines = label.Lines();
  for (int i = 0; i < lines.size(); ++i) {
    if (lines[i].trimmed().isEmpty()) continue;
    if (visible.intersects(label.LineRect(i).toAlignedRect())) shown << i;
  }
  return shown;
}

}  // namespace

class Form1Test : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app::PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    m_form = std::make_unique<Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
  }

  void startsWithTheDesignTexts() {
    const QStringList expected = {"200", "300", "70", "1", "0.7947", "0.78", "0.15",
                                  "0",   "0",   "15", "5", "0",      "2000"};
    for (int i = 0; i < 13; ++i) {
      const std::string name = "Text" + std::to_string(i + 1);
      QCOMPARE(m_form->Box(name)->text(), expected[i]);
    }
    QCOMPARE(m_form->Label("Label24")->Caption(), QStringLiteral("0"));
    QCOMPARE(m_form->windowTitle(), QStringLiteral(u"Widmark法算定計算"));
    QCOMPARE(m_form->size(), QSize(641, 772));
    QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
  }

  void iconComesAfterTheFirstFrame() {
    QList<int> sizes;
    QTRY_COMPARE(m_form->windowIcon().availableSizes().size(), 6);
    for (const QSize& size : m_form->windowIcon().availableSizes()) sizes << size.width();
    QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
  }

  void boxesTakeAnyLength() {
    // Qt would cut a pasted text at 32767 characters without a word.
    QLineEdit* box = m_form->Box("Text9");
    const QString pasted = QString(40000, u'0') + QStringLiteral("5");
    box->setText(pasted);
    QCOMPARE(box->text(), pasted);
    box->setText(QStringLiteral("0"));
  }

  void focusStartsOnText1() {
    QCOMPARE(m_form->focusWidget(), m_form->Box("Text1"));
    // Typing replaces the default: 360 must not become 200360.
    QTest::keyClicks(m_form->Box("Text1"), QStringLiteral("360"));
    QCOMPARE(m_form->Box("Text1")->text(), QStringLiteral("360"));
    m_form->Box("Text1")->setText(QStringLiteral("200"));
  }

  // 印刷する hides itself while it prints: Qt moves the focus on, and without
  // it coming back a second Enter would open 使用目的 instead of printing.
  void printKeepsTheFocusOnItsButton() {
    QWidget* print = m_form->Button("Command3");
    print->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), print);
    app::QtToolkit toolkit(*m_form);
    toolkit.SetVisible("Command3", false);
    QVERIFY(QApplication::focusWidget() != print);
    toolkit.SetVisible("Command3", true);
    QCOMPARE(QApplication::focusWidget(), print);
    m_form->Box("Text1")->setFocus();
  }

  void tabVisitsBoxesAndButtonsInDesignOrder() {
    const QStringList expected = {"Text2",     "Text3",    "Text4",    "Text5",    "Text6",
                                  "Text7",     "Command1", "Command2", "Text8",    "Text9",
                                  "Text10",    "Text11",   "Text12",   "Command3", "Command4",
                                  "Command5",  "Command7", "Command8", "Command9", "Command10",
                                  "Command11", "Text13",   "Text1"};
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    m_form->Box("Text1")->setFocus();
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
  }

  void labelsNeverTakeFocus() {
    for (auto* label : m_form->findChildren<app::CaptionLabel*>())
      QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    for (auto* button : m_form->findChildren<app::WrapButton*>()) {
      QVERIFY(!button->isDefault());
      QVERIFY(!button->autoDefault());
    }
  }

  void overlappedLabelsShowOnlyWhatTheDesignShows_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QList<int>>("lines");
    QTest::newRow("Label21 shows only spaces") << "Label21" << QList<int>{};
    QTest::newRow("Label45 lies under Label47") << "Label45" << QList<int>{};
    QTest::newRow("Label46 lies under Label47") << "Label46" << QList<int>{};
    QTest::newRow("Label47 shows its first line") << "Label47" << QList<int>{0};
    QTest::newRow("Label48 shows its first line") << "Label48" << QList<int>{0};
    QTest::newRow("Label52 shows whole") << "Label52" << QList<int>{0};
  }

  void overlappedLabelsShowOnlyWhatTheDesignShows() {
    QFETCH(QString, label);
    QFETCH(QList<int>, lines);
    QCOMPARE(VisibleTextLines(*m_form->Label(label.toStdString())), lines);
  }

  void hiddenLabelsAreWhollyCovered() {
    QVERIFY(m_form->Label("Label45")->visibleRegion().isEmpty());
    QVERIFY(m_form->Label("Label46")->visibleRegion().isEmpty());
    // Label21: a strip 120 twips high at its top.
    QCOMPARE(m_form->Label("Label21")->visibleRegion().boundingRect(), QRect(0, 0, 33, 8));
  }

  void noLabelCoversABoxOrButton() {
    for (QWidget* control : m_form->TabOrder()) {
      QVERIFY2(control->visibleRegion() == QRegion(control->rect()),
               qPrintable(control->objectName()));
    }
  }

  void command11ShowsItsCaptionOnTwoLines() {
    QCOMPARE(m_form->Button("Command11")->CaptionLines(),
             (QStringList{QStringLiteral(u"既定値"), QStringLiteral(u"の説明")}));
  }

  void minutesUnitStandsRightOfText8() {
    const app::CaptionLabel* label = m_form->Label("Label27");
    const QStringList lines = label->Lines();
    int line = 0;
    while (line < lines.size() && !lines[line].contains(u'分')) ++line;
    QVERIFY(line < lines.size());
    const QRect unit = label->LineRect(line).toAlignedRect().translated(label->pos());
    const QRect text8 = m_form->Box("Text8")->geometry();
    QVERIFY(unit.left() >= text8.right());
    QVERIFY(unit.right() < m_form->Button("Command7")->geometry().left());
    QVERIFY(unit.top() < text8.bottom() && unit.bottom() > text8.top());
  }

  void sloganStandsOnTheSecondLineOfLabel44() {
    const QStringList lines = m_form->Label("Label44")->Lines();
    QVERIFY(lines.size() >= 2);
    QVERIFY(lines[0].trimmed().contains(QRegularExpression(QStringLiteral(u"^－{32}$"))));
    QVERIFY(lines[1].contains(QStringLiteral(u"飲　酒　運　転")));
  }

  void centredTitleKeepsItsFullWidthSpaces() {
    // With both spaces it centres on the window; without the last it would
    // stand half a character right of the centre.
    QCOMPARE(m_form->Label("Label1")->Lines().value(0),
             QStringLiteral(u"\u3000ウィドマーク法呼気中アルコール濃度算定法\u3000"));
  }

  void captionsKeepTheirLeadingSpaces_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("spaces");
    for (const char* name : {"Label2", "Label3", "Label4", "Label5"})
      QTest::newRow(name) << name << 12;
    QTest::newRow("Label29") << "Label29" << 15;
    QTest::newRow("Label9") << "Label9" << 4;
    QTest::newRow("Label10") << "Label10" << 4;
  }

  void captionsKeepTheirLeadingSpaces() {
    QFETCH(QString, label);
    QFETCH(int, spaces);
    const QString first = m_form->Label(label.toStdString())->Lines().value(0);
    QCOMPARE(first.left(spaces), QString(spaces, u' '));
    QVERIFY(first[spaces] != u' ');
  }

 private:
  std::unique_ptr<Form1> m_form;
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
