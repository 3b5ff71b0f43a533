// Lines typed into the console reach a real pseudo-terminal as exactly the
// bytes of the line and its tail, escapes and checksums included, in both
// output modes.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest/QTest>

#include "support/E2eHarness.h"
#include "support/PtyPair.h"
#include "ui/LogWindow.h"

namespace {

using TransmitE2eTest = E2eHarness;

TEST_F(TransmitE2eTest, TypedLinesArriveWithTheirTailEscapesAndChecksums) {
  struct Case {
    bool hex;
    QString tail;
    QString line;
    std::string bytes;
  };
  const Case cases[] = {
      {false, "$0D$0A", "AT+GMR", "AT+GMR\r\n"},
      // Raw bytes a cooked line would mangle: NUL, XON/XOFF, DEL, 0xFF.
      {false, "$00$11$13$7F$FF", "x", std::string("x\x00\x11\x13\x7F\xFF", 6)},
      {false, "*[XOR_8 (1..n)]$0D$0A", "$GPGSA", "$GPGSA*42\r\n"},
      {false, "$[SUM_8(0..n)]", "123", "123\x96"},
      {true, " [SUM_8(0..n)]", "01 02 03", "\x01\x02\x03\x06"},
      {true, " 0D 0A", "41 54", "AT\r\n"},
      {true, " [FF - SUM_8(2..n)]", "0A 0D FF 00", std::string("\x0A\x0D\xFF\x00\x00", 5)},
  };
  PtyPair device;
  start();
  form().BaudRate->setCurrentIndex(7);
  connectTo(device.slavePath());
  ASSERT_TRUE(terminal->link().PortOpen());

  size_t total = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line.toStdString() + " + " + c.tail.toStdString());
    (c.hex ? form().RBHEX : form().RBASCII)->click();
    form().AddStrCmd->setText(c.tail);
    form().MainStrCmd->setText(c.line);
    QTest::keyClick(form().MainStrCmd, Qt::Key_Return);
    EXPECT_TRUE(form().MainStrCmd->text().isEmpty());
    // Each send empties the driver queues first, so the device reads every
    // line before the next one goes out.
    EXPECT_EQ(device.receive(c.bytes.size(), 5000), c.bytes);
    total += c.bytes.size();
  }
  EXPECT_EQ(form().StaticText3->text(), QString("TX: %1 RX: 0").arg(total));
  EXPECT_TRUE(notifier.modalWindows.isEmpty());
  EXPECT_TRUE(notifier.errors.isEmpty());
}

TEST_F(TransmitE2eTest, AnswerArrivingAfterTheSendIsLoggedBehindTheEcho) {
  PtyPair device;
  start();
  connectTo(device.slavePath());
  ASSERT_TRUE(terminal->link().PortOpen());
  form().MainStrCmd->setText("AT");
  QTest::keyClick(form().MainStrCmd, Qt::Key_Return);
  ASSERT_EQ(device.receive(3, 5000), "AT\r");
  device.send("OK\r\n");
  ASSERT_TRUE(waitUntil([&] { return form().MainWindow->toPlainText().contains("OK"); }));
  EXPECT_TRUE(form().MainWindow->toPlainText().startsWith("AT\n"));
}

}  // namespace
