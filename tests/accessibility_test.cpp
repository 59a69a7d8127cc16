// What a screen reader is told about Form1, through Qt's accessibility
// interfaces: labels as named static text, boxes named by what they ask for
// with their unit, and the new figure announced when Label24 changes.
// Qt sends such events only while a screen reader's bus listens, so this
// runs under tests/with_atspi.sh.
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QtTest>

#include "app/application.h"
#include "app/caption_label.h"
#include "app/form1.h"
#include "app/wrap_button.h"

namespace {

// Name changes seen by the update handler, as "<object name>=<new name>".
QStringList g_nameChanges;

void NoteUpdate(QAccessibleEvent* event) {
  if (event->type() != QAccessible::NameChanged) return;
  QAccessibleInterface* target = event->accessibleInterface();
  g_nameChanges << event->object()->objectName() + "=" +
                       (target != nullptr ? target->text(QAccessible::Name) : QString());
}

QString S(const char16_t* text) {
  return QString::fromUtf16(text);
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app::PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    // Run by with_atspi.sh: the bridge turns on once it reaches the bus.
    QTRY_VERIFY_WITH_TIMEOUT(QAccessible::isActive(), 10'000);
    QAccessible::installUpdateHandler(&NoteUpdate);
    m_form = std::make_unique<app::Form1>();
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
  }

  void controlsReadAsTheirCaptions_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    const int text = QAccessible::StaticText, edit = QAccessible::EditableText,
              button = QAccessible::Button;
    QTest::newRow("the figure") << "Label24" << text << "0"
                                << "";
    QTest::newRow("its unit") << "Label18" << text << S(u"ミリグラム") << "";
    QTest::newRow("placing spaces dropped")
        << "Label2" << text << S(u"飲酒日本酒の量（単位はＣＣ）") << "";
    QTest::newRow("title without its full-width spaces")
        << "Label1" << text << S(u"ウィドマーク法呼気中アルコール濃度算定法") << "";
    QTest::newRow("blank caption unnamed") << "Label46" << text << ""
                                           << "";
    QTest::newRow("empty caption unnamed") << "Label43" << text << ""
                                           << "";
    QTest::newRow("sake box") << "Text1" << edit << S(u"飲酒日本酒の量（単位はＣＣ）")
                              << S(u"ＣＣ");
    QTest::newRow("weight box") << "Text3" << edit << S(u"あなたの体重は（単位はＫｇ）")
                                << S(u"Ｋｇ");
    QTest::newRow("hours box") << "Text4" << edit << S(u"飲酒開始後の経過時間は（時間）")
                               << S(u"時間");
    QTest::newRow("gravity box, no unit") << "Text5" << edit << S(u"エタノールの比重") << "";
    QTest::newRow("minutes box") << "Text8" << edit << S(u"飲酒開始後の経過時間は（分）")
                                 << S(u"分");
    QTest::newRow("other strength box")
        << "Text12" << edit << S(u"ワインその他のアルコール濃度（度）") << S(u"度");
    QTest::newRow("ratio box") << "Text13" << edit << S(u"血中量の呼気量への換算率") << "";
    QTest::newRow("button keeps its caption") << "Command1" << button << S(u"計算する") << "";
  }

  void controlsReadAsTheirCaptions() {
    QFETCH(QString, control);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QAccessibleInterface* face =
        QAccessible::queryAccessibleInterface(m_form->Control(control.toStdString()));
    QVERIFY(face != nullptr);
    QCOMPARE(int(face->role()), role);
    QCOMPARE(face->text(QAccessible::Name), name);
    QCOMPARE(face->text(QAccessible::Description), description);
  }

  void everyBoxHasItsOwnName() {
    QSet<QString> names;
    for (int i = 1; i <= 13; ++i) {
      QLineEdit* box = m_form->Box("Text" + std::to_string(i));
      const QString name = QAccessible::queryAccessibleInterface(box)->text(QAccessible::Name);
      QVERIFY2(!name.isEmpty(), qPrintable(box->objectName()));
      names << name;
    }
    QCOMPARE(names.size(), 13);
  }

  // The window's children in reading order: each box right after its
  // caption (the minutes and the strengths after their neighbour's unit),
  // its unit after it; the figure after its caption; nothing blank.
  void childrenReadInOrder() {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(m_form.get());
    QStringList read;
    for (int i = 0; i < window->childCount(); ++i) {
      QAccessibleInterface* child = window->child(i);
      QCOMPARE(window->indexOfChild(child), i);
      QVERIFY2(!child->text(QAccessible::Name).isEmpty(),
               qPrintable(child->object()->objectName()));
      read << child->object()->objectName();
    }
    const auto after = [&read](const char* first, const char* second) {
      const qsizetype at = read.indexOf(QLatin1String(first));
      return at >= 0 && at + 1 < read.size() && read[at + 1] == QLatin1String(second);
    };
    QVERIFY(after("Label2", "Text1") && after("Text1", "Label11") && after("Label11", "Text10"));
    QVERIFY(after("Label5", "Text4") && after("Label14", "Text8") && after("Text8", "Label27"));
    QVERIFY(after("Label49", "Text13") && after("Label6", "Label24") &&
            after("Label24", "Label18"));
    QVERIFY(!read.contains("Label21") && !read.contains("Label45"));
    // What is painted, and the Tab order, stay as designed.
    QCOMPARE(m_form->TabOrder().front()->objectName(), QStringLiteral("Text1"));
    QCOMPARE(m_form->TabOrder().front()->nextInFocusChain()->objectName(), QStringLiteral("Text2"));
  }

  void newFigureIsAnnounced() {
    g_nameChanges.clear();
    m_form->Label("Label24")->SetCaption(QStringLiteral("0.2524862592"));
    m_form->Label("Label24")->SetCaption(QStringLiteral("0.2524862592"));  // unchanged: silent
    QCOMPARE(g_nameChanges, QStringList{QStringLiteral("Label24=0.2524862592")});
  }

 private:
  std::unique_ptr<app::Form1> m_form;
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
