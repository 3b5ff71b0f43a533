// The live log view: it must give the same text and line count as a plain
// text edit fed the same entries, follow new lines only while the user is at
// the end, and paint the last lines wrapped at its width.

#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <vector>

#include "ui/LogWindow.h"

namespace {

struct AppendCase {
  const char* name;
  std::vector<QString> entries;
};

const AppendCase kAppendCases[] = {
    {"nothing appended", {}},
    {"one empty entry", {""}},
    {"empty entries only", {"", "", ""}},
    {"empty entry first", {"", "a"}},
    {"empty entry after text", {"a", ""}},
    {"plain entries", {"one", "two", "three"}},
    {"line breaks inside", {"a\nb", "c\n\nd"}},
    {"trailing line break", {"a\n", "b"}},
    {"entry of one line break", {"\n", "x"}},
    {"CR LF, lone CR and CR at the end", {"a\r\nb\rc", "OK\r", "next\r"}},
    {"LF CR is two breaks", {"a\n\rb"}},
    {"Cyrillic and symbols", {"Привет", "мир №5 — «ок» €"}},
    {"no-break space and line separator",
     {QString("a") + QChar(0xA0) + "b", QString("x") + QChar(0x2028) + "y"}},
    {"paragraph separator", {QString("p") + QChar(0x2029) + "q"}},
};

TEST(LogWindowTest, TextAndLineCountMatchAPlainTextEdit) {
  for (const AppendCase& c : kAppendCases) {
    LogWindow log;
    QPlainTextEdit reference;
    for (const QString& entry : c.entries) {
      log.appendPlainText(entry);
      reference.appendPlainText(entry);
    }
    EXPECT_EQ(log.toPlainText(), reference.toPlainText()) << c.name;
    EXPECT_EQ(log.blockCount(), reference.blockCount()) << c.name;
  }
}

TEST(LogWindowTest, ClearAndSetTextMatchAPlainTextEdit) {
  LogWindow log;
  QPlainTextEdit reference;
  auto same = [&](const char* step) {
    EXPECT_EQ(log.toPlainText(), reference.toPlainText()) << step;
    EXPECT_EQ(log.blockCount(), reference.blockCount()) << step;
  };
  for (const char* entry : {"one", "two\nthree"}) {
    log.appendPlainText(entry);
    reference.appendPlainText(entry);
  }
  log.clear();
  reference.clear();
  same("cleared");
  EXPECT_EQ(log.blockCount(), 1);
  log.appendPlainText("after");
  reference.appendPlainText("after");
  same("first entry after a clear");

  log.setPlainText("x\r\ny\n");
  reference.setPlainText("x\r\ny\n");
  same("set text");
  log.appendPlainText("z");
  reference.appendPlainText("z");
  same("entry after set text");
  EXPECT_TRUE(log.isReadOnly());
}

// A small shown log with a fixed font, so line heights are known.
class ShownLogWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    QFont font("Liberation Sans");
    font.setPixelSize(12);
    log.setFont(font);
    log.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    log.resize(240, 120);
  }

  // Painting brings the scroll range up to date without waiting for the
  // repaint timer.
  QImage paint() { return log.grab().toImage(); }

  void appendNumbered(int from, int to) {
    for (int i = from; i <= to; ++i) log.appendPlainText(QString("line %1").arg(i));
  }

  int linesOnPage() const { return (log.viewport()->height() - 8) / QFontMetrics(log.font()).lineSpacing(); }

  QScrollBar* bar() const { return log.verticalScrollBar(); }

  LogWindow log;
};

TEST_F(ShownLogWindow, RangeCountsLinesAndTheViewFollowsTheEnd) {
  log.show();
  appendNumbered(1, 100);
  // The repaint timer brings the range up to date on its own.
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar()->maximum() > 0; }, 5000));
  EXPECT_EQ(bar()->maximum(), 100 - linesOnPage());
  EXPECT_EQ(bar()->value(), bar()->maximum());

  appendNumbered(101, 150);
  paint();
  EXPECT_EQ(bar()->maximum(), 150 - linesOnPage());
  EXPECT_EQ(bar()->value(), bar()->maximum()) << "pinned to the end";
}

TEST_F(ShownLogWindow, ScrolledUpViewKeepsItsPlaceUntilTheEndIsReachedAgain) {
  log.show();
  appendNumbered(1, 100);
  paint();
  bar()->setValue(10);
  appendNumbered(101, 150);
  paint();
  EXPECT_EQ(bar()->value(), 10);
  EXPECT_EQ(bar()->maximum(), 150 - linesOnPage());

  log.setFocus();
  QTest::keyClick(&log, Qt::Key_PageDown);
  EXPECT_GT(bar()->value(), 10);
  QTest::keyClick(&log, Qt::Key_Home);
  EXPECT_EQ(bar()->value(), 0);
  QTest::keyClick(&log, Qt::Key_End);
  appendNumbered(151, 160);
  paint();
  EXPECT_EQ(bar()->value(), bar()->maximum()) << "following again after End";

  bar()->setValue(5);
  log.clear();
  appendNumbered(1, 100);
  paint();
  EXPECT_EQ(bar()->value(), bar()->maximum()) << "a cleared log follows new lines";
}

TEST_F(ShownLogWindow, EntriesAppendedWhileHiddenShowTheEndWhenShown) {
  appendNumbered(1, 100);
  log.show();
  paint();
  EXPECT_EQ(bar()->maximum(), 100 - linesOnPage());
  EXPECT_EQ(bar()->value(), bar()->maximum());
}

// Rows of the viewport that hold at least one pixel of the text colour.
std::vector<bool> inkedRows(const QImage& image, const QRect& viewport, QRgb ink) {
  std::vector<bool> rows(viewport.height(), false);
  for (int y = 0; y < viewport.height(); ++y)
    for (int x = 0; x < viewport.width() && !rows[y]; ++x)
      rows[y] = image.pixel(viewport.x() + x, viewport.y() + y) == ink;
  return rows;
}

TEST_F(ShownLogWindow, PaintsTheLastLinesInThePaletteColours) {
  QPalette palette = log.palette();
  palette.setColor(QPalette::Base, Qt::black);
  palette.setColor(QPalette::Text, Qt::green);
  log.setPalette(palette);
  log.show();
  appendNumbered(1, 100);
  const QRect viewport = log.viewport()->geometry();
  QImage image = paint();
  EXPECT_EQ(image.pixel(viewport.left() + 1, viewport.top() + 1), qRgb(0, 0, 0));
  const std::vector<bool> rows = inkedRows(image, viewport, qRgb(0, 255, 0));
  const int lineSpacing = QFontMetrics(log.font()).lineSpacing();
  auto inkBetween = [&](int from, int to) {
    for (int y = std::max(0, from); y < std::min<int>(rows.size(), to); ++y)
      if (rows[y]) return true;
    return false;
  };
  EXPECT_TRUE(inkBetween(0, lineSpacing + 4)) << "the top line is drawn";
  EXPECT_TRUE(inkBetween(viewport.height() - 4 - lineSpacing, viewport.height()))
      << "the last line sits at the bottom";

  palette.setColor(QPalette::Base, Qt::red);
  log.setPalette(palette);
  image = paint();
  EXPECT_EQ(image.pixel(viewport.left() + 1, viewport.top() + 1), qRgb(255, 0, 0));
}

TEST_F(ShownLogWindow, LongLineWrapsAtTheWidthAndShowsItsEnd) {
  QPalette palette = log.palette();
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  log.setPalette(palette);
  log.show();
  log.appendPlainText("first");
  log.appendPlainText(QString(3000, 'W'));
  const QRect viewport = log.viewport()->geometry();
  const std::vector<bool> rows = inkedRows(paint(), viewport, qRgb(0, 0, 0));
  const int lineSpacing = QFontMetrics(log.font()).lineSpacing();
  // Every text row of the page carries part of the wrapped line.
  for (int row = 0; (row + 1) * lineSpacing + 4 <= viewport.height(); ++row) {
    bool inked = false;
    for (int y = 4 + row * lineSpacing; y < 4 + (row + 1) * lineSpacing; ++y) inked = inked || rows[y];
    EXPECT_TRUE(inked) << "row " << row;
  }
  EXPECT_EQ(bar()->maximum(), 1) << "the last page starts inside the long line";
  EXPECT_EQ(bar()->value(), 1);
}

TEST_F(ShownLogWindow, LargerFontFitsFewerLinesOnThePage) {
  log.show();
  appendNumbered(1, 100);
  paint();
  const int before = bar()->maximum();
  QFont font = log.font();
  font.setPixelSize(24);
  log.setFont(font);
  paint();
  EXPECT_GT(bar()->maximum(), before);
  EXPECT_EQ(bar()->maximum(), 100 - linesOnPage());
}

TEST_F(ShownLogWindow, WheelScrollsByLinesAndDoubleClickIsReported) {
  log.show();
  appendNumbered(1, 100);
  paint();
  const int end = bar()->value();
  QWheelEvent wheel(QPointF(20, 20), log.viewport()->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, 120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(log.viewport(), &wheel);
  EXPECT_EQ(bar()->value(), end - QApplication::wheelScrollLines());

  QSignalSpy doubleClicks(&log, &LogWindow::mouseDoubleClicked);
  QTest::mouseDClick(log.viewport(), Qt::LeftButton, {}, QPoint(20, 20));
  EXPECT_EQ(doubleClicks.count(), 1);
}

}  // namespace
