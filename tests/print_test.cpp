// Printing for real, run by print_test.sh against a private CUPS server with
// a PDF printer and with a raw queue (printsOneJobOfTheWindow), and with no
// printer at all (noPrinterIsReportedAndNothingChanges). On the raw queue the
// document is the program's own, so its texts, fonts and colours are checked.
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "app/application.h"
#include "app/calculator.h"
#include "app/wrap_button.h"
#include "tests/box_watcher.h"

using testing_support::SeenBox;
using testing_support::WhenBoxOpens;

namespace {

QStringList Pdfs(const QString& dir) {
  return QDir(dir).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Name);
}

QStringList Texts(const app::Form1& form) {
  QStringList texts;
  for (int i = 1; i <= 13; ++i) texts << form.Box("Text" + std::to_string(i))->text();
  texts << form.Label("Label24")->Caption();
  return texts;
}

// The window's place on the printed page: the box around everything not white.
QRect PrintedWindow(const QImage& page) {
  QRect box;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x)
      if (qGray(page.pixel(x, y)) < 245) box |= QRect(x, y, 1, 1);
  return box;
}

// How far the pixels of an area stray from a colour, at most.
int LargestDeviation(const QImage& page, const QRect& area, QColor colour) {
  int largest = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor c = page.pixelColor(x, y);
      largest =
          std::max({largest, std::abs(c.red() - colour.red()), std::abs(c.green() - colour.green()),
                    std::abs(c.blue() - colour.blue())});
    }
  }
  return largest;
}

QString Run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.start(program, arguments);
  process.waitForFinished(60'000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// Pixels within a small distance of a colour.
int CountNear(const QImage& page, QColor colour) {
  int count = 0;
  for (int y = 0; y < page.height(); ++y) {
    for (int x = 0; x < page.width(); ++x) {
      const QColor c = page.pixelColor(x, y);
      if (std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green()) +
              std::abs(c.blue() - colour.blue()) <
          40)
        ++count;
    }
  }
  return count;
}

// The document as the program handed it to the printer: text that can be
// found and copied, the design face embedded, the window's colours.
void CheckDocument(const QString& pdf, const QString& work) {
  const QString text = Run(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
  for (const char16_t* shown :
       {u"ウィドマーク法呼気中アルコール濃度算定法", u"計算する", u"入力数値抹消", u"閉じる",
        u"判決例", u"既定値", u"0.2524862592", u"ミリグラム"})
    QVERIFY2(text.contains(QString::fromUtf16(shown)), qPrintable(QString::fromUtf16(shown)));
  QVERIFY(!text.contains(QStringLiteral(u"印刷する")));

  const QStringList fonts = Run(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts);
  QVERIFY(fonts.size() > 2);  // two header lines, then one line a font
  QVERIFY(fonts.join(u' ').contains(QStringLiteral("IPAPGothic")));
  for (const QString& font : fonts.mid(2)) {
    const QStringList fields = font.split(u' ', Qt::SkipEmptyParts);
    QVERIFY2(fields.size() >= 5 && fields[fields.size() - 5] == QStringLiteral("yes"),
             qPrintable(font));
  }

  const QString png = QDir(work).filePath(QStringLiteral("sharp"));
  QCOMPARE(
      QProcess::execute(QStringLiteral("pdftoppm"), {"-r", "300", "-png", "-singlefile", pdf, png}),
      0);
  const QImage page(png + QStringLiteral(".png"));
  QVERIFY(CountNear(page, QColor(255, 0, 0)) > 1000);  // Ver9 and the notice
  QVERIFY(CountNear(page, QColor(0, 0, 128)) > 1000);  // the title
  const QString keep = qEnvironmentVariable("WIDMARK_PRINT_SHOT");
  if (!keep.isEmpty()) {
    QFile::remove(keep);
    QVERIFY(QFile::copy(png + QStringLiteral(".png"), keep));
  }
}

}  // namespace

class PrintTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    app::PrepareApplication(*static_cast<QApplication*>(QCoreApplication::instance()));
    m_calculator = std::make_unique<app::Calculator>();
    m_calculator->form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_calculator->form));
  }

  void printsOneJobOfTheWindow() {
    const QString dir = qEnvironmentVariable("WIDMARK_PDF_DIR");
    if (dir.isEmpty()) QSKIP("needs print_test.sh's PDF printer");
    app::Form1& form = m_calculator->form;
    const QStringList before = Pdfs(dir);
    const bool raw = qEnvironmentVariable("WIDMARK_RAW") == QStringLiteral("1");
    if (raw) {  // a figure in Label24 to find in the document
      SeenBox verdict;
      WhenBoxOpens(verdict, form, [](QMessageBox* box) { box->accept(); });
      QTest::mouseClick(form.Button("Command1"), Qt::LeftButton);
      QVERIFY(verdict.shown);
    }
    const QStringList texts = Texts(form);

    SeenBox seen;
    WhenBoxOpens(seen, form, [](QMessageBox* box) { box->accept(); });
    QTest::mouseClick(form.Button("Command3"), Qt::LeftButton);
    QVERIFY2(!seen.shown, qPrintable(seen.text));
    QVERIFY(form.Button("Command3")->isVisible());
    QCOMPARE(Texts(form), texts);

    QStringList added;
    QElapsedTimer waited;
    waited.start();
    while (added.isEmpty() && waited.elapsed() < 60'000) {
      QTest::qWait(200);
      added = Pdfs(dir);
      for (const QString& old : before) added.removeAll(old);
    }
    QTest::qWait(1500);  // any second job would have arrived by now
    added = Pdfs(dir);
    for (const QString& old : before) added.removeAll(old);
    QCOMPARE(added.size(), 1);

    QTemporaryDir work;
    const QString pdf = QDir(dir).filePath(added.front());
    const QString png = work.filePath(QStringLiteral("page"));
    QCOMPARE(QProcess::execute(QStringLiteral("pdftoppm"),
                               {"-r", "100", "-png", "-singlefile", pdf, png}),
             0);
    if (raw) CheckDocument(pdf, work.path());
    QFile::remove(pdf);
    const QImage page(png + QStringLiteral(".png"));
    QVERIFY(!page.isNull());

    // The whole window, aspect kept, centred on the page.
    const QRect window = PrintedWindow(page);
    QVERIFY(window.width() > page.width() / 2);
    QVERIFY(qAbs(double(window.width()) / window.height() - 641.0 / 772.0) < 0.02);
    QVERIFY(qAbs(window.center().x() - page.width() / 2) <= 2);
    const double scale = window.width() / 641.0;
    auto onPage = [&](QRect r) {
      const QRect scaled(window.x() + qRound(r.x() * scale), window.y() + qRound(r.y() * scale),
                         qRound(r.width() * scale), qRound(r.height() * scale));
      return scaled.adjusted(2, 2, -2, -2);
    };
    // Where the print button stands there is only the grey beneath it...
    QVERIFY(LargestDeviation(page, onPage(form.Button("Command3")->geometry()),
                             QColor(192, 192, 192)) < 16);
    // ...while the other buttons and the result are there.
    QVERIFY(LargestDeviation(page, onPage(form.Button("Command8")->geometry()),
                             QColor(192, 192, 192)) > 100);
    QVERIFY(LargestDeviation(page, onPage(form.Label("Label24")->geometry()),
                             QColor(224, 224, 224)) > 100);
  }

  void noPrinterIsReportedAndNothingChanges() {
    if (qEnvironmentVariable("WIDMARK_NO_PRINTER") != QStringLiteral("1"))
      QSKIP("needs print_test.sh's setting without a printer");
    app::Form1& form = m_calculator->form;
    form.Box("Text2")->setText(QStringLiteral("350"));
    const QStringList texts = Texts(form);

    SeenBox seen;
    WhenBoxOpens(seen, form, [](QMessageBox* box) { box->accept(); });
    QTest::mouseClick(form.Button("Command3"), Qt::LeftButton);
    QVERIFY(seen.shown);
    QCOMPARE(seen.title, QStringLiteral(u"印刷できません"));
    QVERIFY(seen.text.contains(QStringLiteral(u"プリンターが見つかりません")));
    QVERIFY(seen.command3);  // already back while the report is read
    QVERIFY(form.Button("Command3")->isVisible());
    QCOMPARE(Texts(form), texts);
  }

 private:
  std::unique_ptr<app::Calculator> m_calculator;
};

QTEST_MAIN(PrintTest)
#include "print_test.moc"
