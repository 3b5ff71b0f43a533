// The send operation wired into the real main window: what reaches the
// port, the log window, the counters and the history for each kind of send,
// and what a closed port or a send from inside a modal window does.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/Cp1251.h"
#include "sending/ConsoleController.h"
#include "support/TerminalHarness.h"
#include "transmit/TransmitController.h"

namespace {

class SendPortDataTest : public TerminalHarness {
 protected:
  void send(const std::string& line) { terminal->transmit().SendPortData(line); }
  void setTail(const QString& tail) { form().AddStrCmd->setText(tail); }
  void useHexMode() { form().RBHEX->click(); }
  std::vector<std::string> history() { return terminal->history().entries(); }
  // A fresh program and device for the next row of a table.
  void restart(bool connected) {
    terminal.reset();
    port = FakeSerialPort{};
    port.existingPaths = {kDevice};
    notifier.clear();
    connected ? startConnected() : start();
  }

  // Nothing of a send is visible anywhere.
  void expectNothingSent() {
    EXPECT_TRUE(port.written.empty());
    EXPECT_EQ(port.purgeCount, 0);
    EXPECT_TRUE(log().isEmpty());
    EXPECT_TRUE(history().empty());
    EXPECT_EQ(form().LSend->text(), "Send: 0");
    EXPECT_EQ(form().StaticText3->text(), "TX: 0, RX: 0");
  }
};

TEST_F(SendPortDataTest, ClosedPortShowsTheErrorWindowAndNothingElse) {
  struct Case {
    const char* what;
    bool connectFirst;  // connected and disconnected again before the send
    QString line;
  };
  const Case cases[] = {
      {"never connected", false, "AT"},
      {"never connected, empty line", false, ""},
      {"after a disconnect", true, "AT"},
      {"after a disconnect, empty line", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    restart(c.connectFirst);
    if (c.connectFirst) {
      form().BTConnect->click();
      ASSERT_FALSE(terminal->link().PortOpen());
      port.purgeCount = 0;
    }
    notifier.clear();
    setTail("$0D$0A");
    typeAndEnter(c.line);
    EXPECT_EQ(notifier.modalWindows, QStringList({"TOpenPortError"}));
    expectNothingSent();
    EXPECT_FALSE(terminal->transmit().SendBusy());
  }
}

TEST_F(SendPortDataTest, EmptyLineWithThePortOpenDoesNothingEvenWithATail) {
  startConnected();
  setTail("$0D$0A");
  port.incoming = "unread";
  send("");
  EXPECT_TRUE(notifier.modalWindows.isEmpty());
  expectNothingSent();
  EXPECT_EQ(port.incoming, "unread") << "no purge without a send";
}

TEST_F(SendPortDataTest, BytesAreTheLineAndTheTailWithEscapesAndChecksums) {
  struct Case {
    bool hex;
    QString tail;
    std::string line;
    std::string bytes;
    QString shown;  // the echo as the log window shows it
  };
  const Case cases[] = {
      {false, "$0D$0A", "AT", "AT\r\n", "AT"},
      {false, "", "AT", "AT", "AT"},
      // An escape in the line part is sent literally; the checksum covers
      // the line only, never the asterisk before it.
      {false, "*[XOR_8 (1..n)]$0D$0A", "$0D", "$0D*74\r\n", "$0D*74"},
      // A dollar sign before a template turns its digits into one raw byte.
      {false, "$[SUM_8(0..n)]", "123", "123\x96", QStringLiteral("123\u2013")},
      {true, " 0D", "01 02", "\x01\x02\x0D", "01 02 0D"},
      {true, "$0D", "01 02", "\x01\x02\x0D", "01 02$0D"},
      {true, " [SUM_8(0..n)]", "01 02 03", std::string("\x01\x02\x03\x06"), "01 02 03 06"},
      {true, " [FF - SUM_8(1..n)]", "01 02 03", std::string("\x01\x02\x03\xFA"), "01 02 03 FA"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line + " + " + c.tail.toStdString());
    restart(true);
    if (c.hex) useHexMode();
    setTail(c.tail);
    send(c.line);
    EXPECT_EQ(port.written, c.bytes);
    EXPECT_EQ(log(), c.shown);
    EXPECT_EQ(form().StaticText3->text(), QString("TX: %1 RX: 0").arg(c.bytes.size()));
    EXPECT_EQ(form().LSend->text(), "Send: 1");
    EXPECT_EQ(history(), std::vector<std::string>({c.line})) << "the history gets the line without the tail";
  }
}

TEST_F(SendPortDataTest, ChecksumsCoverTheLineBeingSentNotTheConsoleText) {
  startConnected();
  form().MainStrCmd->setText("zzz");
  setTail("$[SUM_8(0..n)]");
  send("123");
  EXPECT_EQ(port.written, "123\x96");
  EXPECT_EQ(form().MainStrCmd->text(), "zzz");
}

TEST_F(SendPortDataTest, LongLinesAreSentWholeWithAChecksumOverEveryByte) {
  startConnected();
  setTail("$[SUM_8(0..n)]$0D");
  const std::string line(3000, 'A');
  send(line);
  // 3000 x 0x41 = 0x2F9B8, reduced to 8 bits.
  ASSERT_EQ(port.written.size(), 3002u);
  EXPECT_TRUE(port.written.compare(0, 3000, line) == 0);
  EXPECT_EQ(port.written.substr(3000), "\xB8\r");
  EXPECT_EQ(form().StaticText3->text(), "TX: 3002 RX: 0");
}

TEST_F(SendPortDataTest, SendingDiscardsWhatTheDriverHasNotYetHandedOver) {
  startConnected();
  port.incoming = "late answer";
  send("AT");
  EXPECT_EQ(port.purgeCount, 1);
  EXPECT_TRUE(port.incoming.empty());
  EXPECT_EQ(port.written, "AT\r");
  tickAfter(1000);
  EXPECT_EQ(log(), "AT") << "the discarded answer never reaches the log";
}

TEST_F(SendPortDataTest, EchoCarriesTheTimeStampWhenTimeIsTicked) {
  struct Case {
    bool visTime;
    bool hex;
    std::string line;
    QString shown;
  };
  const Case cases[] = {
      {false, false, "AT", "AT"},
      {true, false, "AT", " [ 14:03:07:125 > ] AT"},
      {true, true, "01 02", " [ 14:03:07:125 > ] 01 02 0D"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    restart(true);
    form().VisTime->setChecked(c.visTime);
    if (c.hex) useHexMode();
    setTail(c.hex ? " 0D" : "$0D$0A");
    send(c.line);
    EXPECT_EQ(log(), c.shown);
  }
}

TEST_F(SendPortDataTest, FilterDecidesTheEchoButTheBytesAlwaysGoOut) {
  struct Case {
    QString filter;
    bool visTime;
    bool logged;
  };
  const Case cases[] = {
      {"", false, true},     {"AT", false, true},     {"at", false, false},     {"XYZ", false, false},
      {" > ] ", true, true}, {" > ] ", false, false}, {"14:03:07", true, true}, {" < ] ", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.filter.toStdString() + (c.visTime ? " with time" : ""));
    restart(true);
    form().VisTime->setChecked(c.visTime);
    form().FiltrLog->setText(c.filter);
    send("AT+X");
    send("AT+Y");
    EXPECT_EQ(port.written, "AT+X\rAT+Y\r");
    EXPECT_EQ(form().StaticText3->text(), "TX: 10 RX: 0");
    EXPECT_EQ(log().isEmpty(), !c.logged);
    EXPECT_EQ(form().LSend->text(), c.logged ? "Send: 2" : "Send: 0");
  }
}

TEST_F(SendPortDataTest, CountersFollowEverySendAndTheReceivedTotalIsShownBeside) {
  startConnected();
  port.incoming = "OK\r\n";
  tickAfter(1);
  tickAfter(1000);
  const QStringList expected = {"TX: 3 RX: 4", "TX: 6 RX: 4", "TX: 10 RX: 4"};
  const std::string lines[] = {"AT", "AT", "ATZ"};
  for (int i = 0; i < 3; ++i) {
    send(lines[i]);
    EXPECT_EQ(form().StaticText3->text(), expected[i]);
    EXPECT_EQ(form().LSend->text(), QString("Send: %1").arg(i + 1));
  }
}

TEST_F(SendPortDataTest, ASendFromInsideTheErrorWindowIsDroppedAndLaterSendsWork) {
  start();
  int nested = 0;
  notifier.onModal = [&] {
    // A timer firing while the window is open tries to send again.
    if (++nested > 3) return;
    EXPECT_TRUE(terminal->transmit().SendBusy());
    send("nested");
  };
  send("AT");
  EXPECT_EQ(nested, 1) << "the nested send never reached the port check";
  EXPECT_EQ(notifier.modalWindows.size(), 1);
  EXPECT_FALSE(terminal->transmit().SendBusy());

  notifier.onModal = nullptr;
  form().ComPort->setCurrentText("USB0");
  form().BTConnect->click();
  ASSERT_TRUE(terminal->link().PortOpen());
  send("AT");
  EXPECT_EQ(port.written, "AT\r");
  EXPECT_EQ(history(), std::vector<std::string>({"AT"})) << "the dropped send left no trace";
}

TEST_F(SendPortDataTest, HistoryTakesLinesBelow255CharactersAndMovesRepeatsToTheTop) {
  startConnected();
  const std::string longest(254, 'a');
  const std::string tooLong(255, 'b');
  send(longest);
  send(tooLong);
  EXPECT_EQ(port.written, longest + "\r" + tooLong + "\r") << "a line too long to record is still sent";
  EXPECT_EQ(history(), std::vector<std::string>({longest}));

  for (int i = 1; i <= 9; ++i) send("c" + std::to_string(i));
  // Entries now: c9 .. c1, then the long line as entry 10; c3 is entry 7.
  send("c3");
  const std::vector<std::string> expected = {"c3", "c9", "c8", "c7", "c6", "c5", "c4", "c2", "c1", longest};
  EXPECT_EQ(history(), expected);
}

TEST_F(SendPortDataTest, RecordingRefreshesTheOpenHistoryListOnlyWhileAskedTo) {
  startConnected();
  send("one");
  EXPECT_EQ(form().FastOldCmd->count(), 0) << "the list is refilled when it is opened";
  terminal->console().HistoryShown = true;
  send("two");
  ASSERT_EQ(form().FastOldCmd->count(), 2);
  EXPECT_EQ(form().FastOldCmd->item(0)->text(), "two");
}

TEST_F(SendPortDataTest, SendOnConnectSendsTheConsoleLine) {
  start();
  form().SendAsReconn->setChecked(true);
  form().MainStrCmd->setText("ATI");
  form().ComPort->setCurrentText("USB0");
  form().BTConnect->click();
  ASSERT_TRUE(terminal->link().PortOpen());
  EXPECT_EQ(port.written, "ATI\r");
  EXPECT_EQ(form().MainStrCmd->text(), "ATI");
  EXPECT_EQ(history(), std::vector<std::string>({"ATI"}));
}

TEST_F(SendPortDataTest, SendOnConnectWithAnEmptyConsoleSendsNothing) {
  start();
  form().SendAsReconn->setChecked(true);
  form().ComPort->setCurrentText("USB0");
  form().BTConnect->click();
  ASSERT_TRUE(terminal->link().PortOpen());
  EXPECT_TRUE(port.written.empty());
  EXPECT_TRUE(notifier.modalWindows.isEmpty());
}

}  // namespace
