// The receive path through the real widgets: bytes the device sent become
// log entries once the line has been quiet long enough, and the controls
// around the log (filter, statistics, separation-time arrows, Clear, pause,
// the housekeeping clear) act on them.
#include <QCheckBox>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest/QTest>
#include <fstream>
#include <iterator>
#include <string>

#include "assist/HousekeepingController.h"
#include "receive/LogFileController.h"
#include "receive/ReceiveController.h"
#include "support/TerminalHarness.h"
#include "ui/Colors.h"
#include "ui/LogWindow.h"
#include "ui/UpDownArrows.h"
#include "ui/WidgetColors.h"

namespace {

std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ReceiveViewTest : public TerminalHarness {
 protected:
  void SetUp() override {
    startConnected();
    terminal->receive().setRxIdleTimeoutMs(0);
  }

  // The device sends `bytes`; the tick after `msBefore` reads them and the
  // next one, 1 ms later, finds the line quiet and logs the packet.
  void deliver(const std::string& bytes, int msBefore = 0) {
    port.incoming += bytes;
    tickAfter(msBefore);
    tickAfter(1);
  }
};

struct ModeCase {
  const char* name;
  bool hex;
  bool visTime;
  std::string bytes;
  QString shown;
};

void PrintTo(const ModeCase& c, std::ostream* os) {
  *os << c.name;
}

class ReceiveModes : public TerminalHarness, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ReceiveModes, PacketIsLoggedOnlyOnceTheSeparationTimeHasPassed) {
  const ModeCase& c = GetParam();
  startConnected();
  if (c.hex) form().RBHEX->click();
  form().VisTime->setChecked(c.visTime);
  terminal->receive().setRxIdleTimeoutMs(100);

  port.incoming = c.bytes;
  tickAfter(0);
  const QString rx = QStringLiteral("TX: 0 RX: %1").arg(c.bytes.size());
  EXPECT_EQ(form().StaticText3->text(), rx) << "bytes are counted as soon as they are read";
  tickAfter(100);
  EXPECT_EQ(log(), "") << "quiet for exactly the separation time is not yet a gap";
  EXPECT_EQ(form().LRead->text(), "Read: 0");

  tickAfter(1);
  EXPECT_EQ(log(), c.shown);
  EXPECT_EQ(form().LRead->text(), "Read: 1");
  EXPECT_EQ(form().StaticText3->text(), rx);

  tickAfter(500);
  EXPECT_EQ(log(), c.shown) << "a quiet line adds nothing";
  EXPECT_EQ(form().LRead->text(), "Read: 1");
}

// The clock starts at 14:03:07.125; the packet is logged 101 ms later.
INSTANTIATE_TEST_SUITE_P(
    AsciiAndHex, ReceiveModes,
    ::testing::Values(ModeCase{"AsciiLine", false, false, "OK\r\n", "OK"},
                      ModeCase{"AsciiStamped", false, true, "OK\r\n", " [ 14:03:07:226 < ] OK"},
                      ModeCase{"AsciiCutMidLine", false, false, "ABC", "ABC"},
                      ModeCase{"AsciiLinesAndControls", false, false,
                               std::string("A\rB\x1B"
                                           "C\0D\r\n",
                                           8),
                               "A\nB<1B>C<NULL>D"},
                      ModeCase{"Hex", true, false, "\x01\x02\xFF", "01 02 FF"},
                      ModeCase{"HexStamped", true, true, "\x01\x02\xFF", " [ 14:03:07:226 < ] 01 02 FF"},
                      ModeCase{"HexLineEndIsJustBytes", true, false, "OK\r\n", "4F 4B 0D 0A"}),
    [](const ::testing::TestParamInfo<ModeCase>& info) { return std::string(info.param.name); });

TEST_F(ReceiveViewTest, FilterHidesEntriesFromWindowFileAndCounterButTheAfterAnswerStepStillRuns) {
  int answers = 0;
  terminal->receive().SendAfterAnswer = [&answers] { ++answers; };
  form().FiltrLog->setText("OK");
  form().StartLog->click();
  const std::string file = terminal->logFile().LogFileName();

  deliver("OK 1\r\n");
  deliver("ERROR\r\n");
  deliver("OK 2\r\n");
  EXPECT_EQ(log(), "OK 1\nOK 2");
  EXPECT_EQ(form().LRead->text(), "Read: 2");
  EXPECT_EQ(answers, 3) << "the after-answer step follows every rendered packet, shown or not";
  EXPECT_EQ(form().StaticText3->text(), "TX: 0 RX: 19") << "hidden packets still count as bytes";
  EXPECT_EQ(readFile(dir.file(file)), "OK 1\r\r\nOK 2\r\r\n");

  deliver("\n\n");
  EXPECT_EQ(answers, 3) << "a packet of bare LFs renders to nothing and answers nothing";
  EXPECT_EQ(form().LRead->text(), "Read: 2");

  form().FiltrLog->clear();
  deliver("ERROR\r\n");
  EXPECT_EQ(log(), "OK 1\nOK 2\nERROR") << "an empty filter passes everything again";
}

TEST_F(ReceiveViewTest, GapStatisticsAndTheirReset) {
  TForm1& f = form();
  deliver("first");
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  NA") << "the first entry of the run has no gap";
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: NA");

  deliver("second", 249);
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  250");
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: 250");
  deliver("third", 99);
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  100");
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: 250");

  typeAndEnter("AT");
  EXPECT_EQ(f.LSend->text(), "Send: 1");
  const QString totals = f.StaticText3->text();
  EXPECT_EQ(totals, "TX: 3 RX: 16");

  f.BTClrStat->click();
  EXPECT_EQ(f.LSend->text(), "Send: 0");
  EXPECT_EQ(f.LRead->text(), "Read: 0");
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  NA");
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: NA");
  EXPECT_EQ(f.StaticText3->text(), totals) << "the byte totals are never reset";

  deliver("fourth", 399);
  EXPECT_EQ(f.LRead->text(), "Read: 1");
  EXPECT_EQ(f.MinTimeWait->text(), "MIN_T_W:  400") << "measured from the last entry before the reset";
  EXPECT_EQ(f.MaxTimeWait->text(), "MAX_T_W: 400");
}

TEST_F(ReceiveViewTest, SeparationTimeArrowsStepTheValueAndColourTheCaption) {
  struct Case {
    int before;
    bool up;
    int after;
  };
  const Case cases[] = {
      {0, true, 1}, {1, false, 0}, {0, false, 0}, {10, false, 5}, {95, true, 100}, {100000, true, 100000},
  };
  UpDownArrows* arrows = form().TimeOutRx;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.before << (c.up ? " up" : " down"));
    terminal->receive().setRxIdleTimeoutMs(c.before);
    (c.up ? arrows->upButton() : arrows->downButton())->click();
    EXPECT_EQ(terminal->receive().RxIdleTimeoutMs(), c.after);
    EXPECT_EQ(form().TimeOutAns->text(), QStringLiteral("TimeRX: %1").arg(c.after));
    EXPECT_EQ(backgroundColor(form().TimeOutAns), c.after != 0 ? colors::yellow() : colors::buttonFace());
  }

  // The stepped value is the one the receive tick waits for.
  terminal->receive().setRxIdleTimeoutMs(9);
  arrows->upButton()->click();
  port.incoming = "x";
  tickAfter(0);
  tickAfter(10);
  EXPECT_EQ(log(), "");
  tickAfter(1);
  EXPECT_EQ(log(), "x");
}

TEST_F(ReceiveViewTest, ClearEmptiesOnlyTheLogWindow) {
  form().StartLog->click();
  const std::string file = terminal->logFile().LogFileName();
  deliver("one\r");
  deliver("two\r");
  form().StartStop->click();
  const QString frozen = form().SecondWindow->toPlainText();

  form().BTLog->click();
  EXPECT_EQ(log(), "");
  EXPECT_EQ(form().SecondWindow->toPlainText(), frozen);
  EXPECT_EQ(form().LRead->text(), "Read: 2");
  EXPECT_EQ(readFile(dir.file(file)), "one\r\r\ntwo\r\r\n");

  form().StartStop->click();
  deliver("three\r");
  EXPECT_EQ(log(), "three");
  EXPECT_EQ(readFile(dir.file(file)), "one\r\r\ntwo\r\r\nthree\r\r\n");
}

TEST_F(ReceiveViewTest, PauseShowsAFrozenCopyWhileTheLogGoesOnUnderneath) {
  TForm1& f = form();
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText("the user's own clipboard");
  deliver("before 1\r\n");
  deliver("before 2\r\n");
  ASSERT_EQ(f.StartStop->text(), "||");

  f.StartStop->click();
  EXPECT_EQ(f.StartStop->text(), ">");
  EXPECT_TRUE(f.SecondWindow->isVisibleTo(&f));
  EXPECT_FALSE(f.MainWindow->isVisibleTo(&f));
  const QString frozen = "before 1\nbefore 2\n\n>>>>>>>>>> STOP <<<<<<<<<<";
  EXPECT_EQ(f.SecondWindow->toPlainText(), frozen);
  EXPECT_EQ(clipboard->text(), "the user's own clipboard") << "the copy does not go through the clipboard";

  deliver("while paused\r\n");
  EXPECT_EQ(f.SecondWindow->toPlainText(), frozen);
  EXPECT_EQ(log(), "before 1\nbefore 2\nwhile paused") << "entries keep going to the hidden log";
  EXPECT_EQ(f.LRead->text(), "Read: 3");

  f.StartStop->click();
  EXPECT_EQ(f.StartStop->text(), "||");
  EXPECT_TRUE(f.MainWindow->isVisibleTo(&f));
  EXPECT_FALSE(f.SecondWindow->isVisibleTo(&f));
  EXPECT_EQ(log(), "before 1\nbefore 2\nwhile paused");

  f.StartStop->click();
  EXPECT_EQ(f.SecondWindow->toPlainText(), "before 1\nbefore 2\nwhile paused\n\n>>>>>>>>>> STOP <<<<<<<<<<")
      << "each pause starts from an empty copy";
  EXPECT_EQ(clipboard->text(), "the user's own clipboard");
}

TEST_F(ReceiveViewTest, FilterFieldTurnsYellowWhileInUseAndStaysYellowWhileItHoldsText) {
  QLineEdit* filter = form().FiltrLog;
  ASSERT_EQ(backgroundColor(filter), colors::buttonFace());
  struct Case {
    bool byMouse;
    QString text;
    QColor afterLeaving;
  };
  const Case cases[] = {
      {true, "OK", colors::yellow()},
      {false, "", colors::buttonFace()},
      {false, "OK", colors::yellow()},
      {true, "", colors::buttonFace()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << (c.byMouse ? "click" : "focus") << " '" << c.text.toStdString()
                                    << "'");
    if (c.byMouse) {
      QTest::mouseClick(filter, Qt::LeftButton);
    } else {
      QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
      QCoreApplication::sendEvent(filter, &in);
    }
    EXPECT_EQ(backgroundColor(filter), colors::yellow());
    filter->setText(c.text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(filter, &out);
    EXPECT_EQ(backgroundColor(filter), c.afterLeaving);
  }
}

TEST_F(ReceiveViewTest, HousekeepingEmptiesALogOfMoreThan10000Lines) {
  struct Case {
    int lines;
    bool emptied;
  };
  for (const Case c : {Case{10000, false}, Case{10001, true}}) {
    SCOPED_TRACE(c.lines);
    form().MainWindow->clear();
    // Entries of several lines count by their lines: 5000 two-line entries
    // make 10000 lines.
    for (int i = 0; i < (c.lines - 1) / 2; ++i) form().MainWindow->appendPlainText("a\nb");
    if (c.lines % 2 == 1)
      form().MainWindow->appendPlainText("c");
    else
      form().MainWindow->appendPlainText("c\nd");
    terminal->housekeeping().CustomFunctionsTimer();
    EXPECT_EQ(log().isEmpty(), c.emptied);
  }
  // The log goes on after the clear.
  deliver("next\r\n");
  EXPECT_EQ(log(), "next");
}

}  // namespace
