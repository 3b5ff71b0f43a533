#include "platform/PosixSerialPort.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <chrono>
#include <string>
#include <thread>

#include "support/PtyPair.h"

namespace {

// The program's end of a test pty, opened and ready for settings.
class PosixSerialPortTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(port.open(pty.slavePath())); }

  // Waits until the driver reports `count` bytes (the pty hands them over
  // asynchronously).
  int waitForBytes(int count) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (port.bytesWaiting() < count && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return port.bytesWaiting();
  }

  PtyPair pty;
  PosixSerialPort port;
};

struct BaudCase {
  int baud;
  speed_t code;
};

class PosixSerialPortBaudTest : public PosixSerialPortTest, public ::testing::WithParamInterface<BaudCase> {};

TEST_P(PosixSerialPortBaudTest, EveryOfferedRateReachesTheLine) {
  for (int stopCode : {0, 2}) {
    ASSERT_TRUE(port.configure({GetParam().baud, 8, stopCode})) << "stop code " << stopCode;
    termios t = pty.settings();
    EXPECT_EQ(cfgetospeed(&t), GetParam().code);
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ((t.c_cflag & CSTOPB) != 0, stopCode == 2) << "stop code " << stopCode;
    // Raw line without flow control, whatever was there before.
    EXPECT_EQ(t.c_cflag & (PARENB | CRTSCTS), 0u);
    EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
  }
}

INSTANTIATE_TEST_SUITE_P(OfferedRates, PosixSerialPortBaudTest,
                         ::testing::Values(BaudCase{1200, B1200}, BaudCase{2400, B2400},
                                           BaudCase{4800, B4800}, BaudCase{9600, B9600},
                                           BaudCase{19200, B19200}, BaudCase{38400, B38400},
                                           BaudCase{57600, B57600}, BaudCase{115200, B115200}),
                         [](const auto& info) { return std::to_string(info.param.baud); });

TEST_F(PosixSerialPortTest, RefusesWhatThePtyOrLinuxCannotDo) {
  struct Case {
    LineSettings settings;
    const char* why;
  };
  const Case refused[] = {
      {{9600, 5, 0}, "a pty keeps 8 data bits"}, {{9600, 6, 0}, "a pty keeps 8 data bits"},
      {{9600, 7, 0}, "a pty keeps 8 data bits"}, {{9600, 8, 1}, "Linux has no 1.5 stop bits"},
      {{14400, 8, 0}, "not a termios rate"},     {{0, 8, 0}, "no rate"},
      {{9600, 9, 0}, "no such byte size"},
  };
  for (const Case& c : refused) {
    EXPECT_FALSE(port.configure(c.settings)) << c.why;
    // A refusal keeps the handle: the device is held but not open.
    EXPECT_TRUE(port.isHeld());
  }
  EXPECT_TRUE(port.configure({9600, 8, 0}));
}

TEST_F(PosixSerialPortTest, SecondOpenOfAHeldDeviceFails) {
  PosixSerialPort other;
  EXPECT_FALSE(other.open(pty.slavePath()));
  EXPECT_FALSE(other.isHeld());
  port.close();
  EXPECT_TRUE(other.open(pty.slavePath()));
}

TEST_F(PosixSerialPortTest, ReopenAfterCloseWorks) {
  port.close();
  EXPECT_FALSE(port.isHeld());
  ASSERT_TRUE(port.open(pty.slavePath()));
  EXPECT_TRUE(port.configure({115200, 8, 0}));
}

TEST_F(PosixSerialPortTest, BytesTravelBothWays) {
  ASSERT_TRUE(port.configure({115200, 8, 0}));
  const std::string out("\x00\x01\r\n\xff\x11\x13 hello", 11);
  EXPECT_EQ(port.write(out.data(), static_cast<int>(out.size())), static_cast<int>(out.size()));
  EXPECT_EQ(pty.receive(out.size()), out);

  const std::string in("\r\n\x00\x7f\xd0 from device", 17);
  pty.send(in);
  ASSERT_EQ(waitForBytes(static_cast<int>(in.size())), static_cast<int>(in.size()));
  char buffer[64];
  ASSERT_EQ(port.read(buffer, sizeof buffer), static_cast<int>(in.size()));
  EXPECT_EQ(std::string(buffer, in.size()), in);
  EXPECT_EQ(port.bytesWaiting(), 0);
  EXPECT_EQ(port.read(buffer, sizeof buffer), 0) << "nothing waiting must not block";
}

TEST_F(PosixSerialPortTest, WriteLargerThanTheDriverBufferArrivesWhole) {
  ASSERT_TRUE(port.configure({115200, 8, 0}));
  std::string big(200000, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7);
  std::string arrived;
  std::thread reader([&] { arrived = pty.receive(big.size(), 20000); });
  EXPECT_EQ(port.write(big.data(), static_cast<int>(big.size())), static_cast<int>(big.size()));
  reader.join();
  EXPECT_EQ(arrived, big);
}

TEST_F(PosixSerialPortTest, WriteToADeviceThatTakesNothingGivesUpWithWhatWasAccepted) {
  ASSERT_TRUE(port.configure({115200, 8, 0}));
  // Nobody reads the master: the pty fills (about 14 KB here) and the write
  // must return after its deadline (about 2.4 s for this much) with a count.
  const std::string data(16000, 'x');
  const int accepted = port.write(data.data(), static_cast<int>(data.size()));
  EXPECT_GT(accepted, 0);
  EXPECT_LT(accepted, static_cast<int>(data.size()));
  EXPECT_EQ(pty.receive(static_cast<size_t>(accepted)).size(), static_cast<size_t>(accepted));
}

TEST_F(PosixSerialPortTest, PurgeDiscardsWaitingInput) {
  ASSERT_TRUE(port.configure({9600, 8, 0}));
  pty.send("stale bytes");
  ASSERT_EQ(waitForBytes(11), 11);
  port.purge();
  EXPECT_EQ(port.bytesWaiting(), 0);
  pty.send("fresh");
  ASSERT_EQ(waitForBytes(5), 5);
  char buffer[16];
  ASSERT_EQ(port.read(buffer, sizeof buffer), 5);
  EXPECT_EQ(std::string(buffer, 5), "fresh");
}

TEST_F(PosixSerialPortTest, AGoneDeviceFailsEveryCallWithoutWaiting) {
  ASSERT_TRUE(port.configure({9600, 8, 0}));
  pty.hangUp();
  EXPECT_FALSE(port.configure({9600, 8, 0}));
  EXPECT_TRUE(port.isHeld()) << "the supervisor closes it, not the probe";
  EXPECT_EQ(port.bytesWaiting(), 0);
  char buffer[16];
  EXPECT_EQ(port.read(buffer, sizeof buffer), 0);
  // A write must come back (the test would hang otherwise), having taken
  // nothing.
  const std::string data(5000, 'x');
  EXPECT_EQ(port.write(data.data(), static_cast<int>(data.size())), 0);
  port.purge();
  port.close();
  EXPECT_FALSE(port.isHeld());
}

TEST(PosixSerialPortNoDevice, OpenFailsAndNothingElseWorks) {
  PosixSerialPort port;
  EXPECT_FALSE(port.open("/dev/quorvane-no-such-port"));
  EXPECT_FALSE(port.open("/dev/null")) << "not a terminal";
  EXPECT_FALSE(port.isHeld());
  EXPECT_FALSE(port.configure({9600, 8, 0}));
  EXPECT_EQ(port.bytesWaiting(), 0);
  char c;
  EXPECT_EQ(port.read(&c, 1), 0);
  EXPECT_EQ(port.write("x", 1), 0);
  port.purge();
  port.close();
}

}  // namespace
