// Connect and Disconnect against a real pseudo-terminal: the line settings
// chosen in the window are the ones the device sees.
#include <termios.h>

#include <QComboBox>
#include <QPushButton>

#include "support/E2eHarness.h"
#include "support/PtyPair.h"

namespace {

using ConnectionE2eTest = E2eHarness;

TEST_F(ConnectionE2eTest, EachBaudRateAndStopBitsReachTheDevice) {
  struct Case {
    int baudIndex;
    speed_t speed;
    int stopIndex;
    bool twoStopBits;
  };
  const Case cases[] = {
      {0, B1200, 0, false},  {1, B2400, 2, true},  {2, B4800, 0, false},  {3, B9600, 2, true},
      {4, B19200, 0, false}, {5, B38400, 2, true}, {6, B57600, 0, false}, {7, B115200, 2, true},
  };
  PtyPair device;
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baudIndex);
    form().BaudRate->setCurrentIndex(c.baudIndex);
    form().ComStopBits->setCurrentIndex(c.stopIndex);
    connectTo(device.slavePath());
    ASSERT_TRUE(terminal->link().PortOpen());
    const termios seen = device.settings();
    EXPECT_EQ(cfgetospeed(&seen), c.speed);
    EXPECT_EQ((seen.c_cflag & CSTOPB) != 0, c.twoStopBits);
    EXPECT_EQ(seen.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(seen.c_cflag & (PARENB | CRTSCTS), 0u);
    form().BTConnect->click();
    ASSERT_FALSE(terminal->link().PortOpen());
  }
  EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(ConnectionE2eTest, SettingsTheDeviceCannotTakeAreRefusedAndTheDeviceIsReleasedLater) {
  PtyPair device;
  start();
  // A pseudo-terminal always carries 8 data bits; Linux has no 1.5 stop bits.
  struct Case {
    int bitsIndex;
    int stopIndex;
  };
  for (const Case c : {Case{2, 0}, Case{3, 1}}) {
    notifier.clear();
    form().ComBits->setCurrentIndex(c.bitsIndex);
    form().ComStopBits->setCurrentIndex(c.stopIndex);
    connectTo(device.slavePath());
    EXPECT_FALSE(terminal->link().PortOpen());
    EXPECT_EQ(form().BTConnect->text(), "Connect");
    EXPECT_EQ(notifier.messages.size(), 1);
  }
  form().ComBits->setCurrentIndex(3);
  form().ComStopBits->setCurrentIndex(0);
  connectTo(device.slavePath());
  EXPECT_TRUE(terminal->link().PortOpen()) << "the handle held after the refusal was released first";
}

TEST_F(ConnectionE2eTest, DisconnectReleasesTheDeviceForOtherPrograms) {
  PtyPair device;
  start();
  connectTo(device.slavePath());
  ASSERT_TRUE(terminal->link().PortOpen());

  PosixSerialPort other;
  EXPECT_FALSE(other.open(device.slavePath())) << "the program holds the device exclusively";
  form().BTConnect->click();
  EXPECT_TRUE(other.open(device.slavePath()));
  other.close();
}

TEST_F(ConnectionE2eTest, MissingDeviceAndEmptyNameSayWhy) {
  start();
  connectTo("/dev/does-not-exist-qv");
  EXPECT_EQ(notifier.messages,
            QStringList({"Что-то не открывается порт. Программа может работать только с COM1..COM9."}));
  notifier.clear();
  form().ComPort->setCurrentIndex(-1);
  connectTo("");
  EXPECT_EQ(notifier.messages, QStringList({"Выбери порт!"}));
}

}  // namespace
