#include "support/VirtualDevice.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>
#include <thread>

#include "platform/PosixSerialPort.h"
#include "support/TempWorkDir.h"
#include "vdevice/StreamPattern.h"

namespace {

// Reads from the port until `count` bytes have come or a generous deadline
// has passed.
std::string readFromPort(SerialPort& port, size_t count) {
  std::string got;
  char buffer[4096];
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
    int n = port.read(buffer, sizeof buffer);
    if (n > 0) {
      got.append(buffer, static_cast<size_t>(n));
    } else {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
  }
  return got;
}

void writeToPort(SerialPort& port, const std::string& data) {
  ASSERT_EQ(port.write(data.data(), static_cast<int>(data.size())), static_cast<int>(data.size()));
}

// A device behind a link in a fresh directory, opened by the program's port.
class VirtualDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    device = std::make_unique<VirtualDevice>(VirtualDevice::Options{dir.file("port"), "echo", ""});
    ASSERT_TRUE(port.open(device->path()));
    ASSERT_TRUE(port.configure({115200, 8, 0}));
  }

  TempWorkDir dir;
  std::unique_ptr<VirtualDevice> device;
  PosixSerialPort port;
};

TEST_F(VirtualDeviceTest, AnnouncesItsLinkAndReportsTheLineSettings) {
  EXPECT_EQ(device->path(), dir.file("port"));
  EXPECT_EQ(device->termios(), "115200 8 1");
  ASSERT_TRUE(port.configure({1200, 8, 2}));
  EXPECT_EQ(device->termios(), "1200 8 2");
}

TEST_F(VirtualDeviceTest, EchoesAnswersOrStaysSilentAndCountsEverything) {
  writeToPort(port, "ping\r\n");
  EXPECT_EQ(readFromPort(port, 6), "ping\r\n");

  device->setMode("answer OK 1");
  writeToPort(port, "a\r\nb\nc\r");
  EXPECT_EQ(readFromPort(port, 18), "OK 1\r\nOK 1\r\nOK 1\r\n") << "CR LF is one line end";

  device->setMode("silent");
  writeToPort(port, "quiet");
  EXPECT_EQ(device->received(), 18);
  EXPECT_EQ(port.bytesWaiting(), 0);
}

TEST_F(VirtualDeviceTest, StreamsTheDocumentedPattern) {
  for (const char* kind : {"text", "binary"}) {
    const long count = 100000;
    device->startStream(count, kind);
    const std::string expected = StreamPattern::make(
        std::string(kind) == "text" ? StreamPattern::Kind::Text : StreamPattern::Kind::Binary, count);
    EXPECT_TRUE(readFromPort(port, expected.size()) == expected) << kind;
    EXPECT_EQ(device->waitFor("streamed "), "streamed 100000");
  }
  EXPECT_EQ(StreamPattern::make(StreamPattern::Kind::Text, 66),
            std::string("L000000 !\"#$%&'()*+,-./0123456789:;<=>?@ABCDEFGHIJKLMNOPQRSTUV\r\nL0"));
}

TEST_F(VirtualDeviceTest, UnplugKillsTheLineAndPlugBringsTheSameNameBack) {
  device->unplug();
  EXPECT_FALSE(port.configure({115200, 8, 0}));
  port.close();
  EXPECT_FALSE(port.open(device->path())) << "the link is gone while unplugged";

  EXPECT_EQ(device->plug(), dir.file("port"));
  ASSERT_TRUE(port.open(device->path()));
  ASSERT_TRUE(port.configure({57600, 8, 2}));
  EXPECT_EQ(device->termios(), "57600 8 2");
  writeToPort(port, "again");
  EXPECT_EQ(readFromPort(port, 5), "again");
}

TEST(VirtualDeviceLifetime, EndingTheHelperEndsTheProcessAndRemovesTheLink) {
  TempWorkDir dir;
  pid_t pid = -1;
  {
    VirtualDevice device(VirtualDevice::Options{dir.file("port"), "silent", ""});
    pid = device.pid();
    EXPECT_EQ(access(dir.file("port").c_str(), F_OK), 0);
  }
  EXPECT_EQ(kill(pid, 0), -1);
  EXPECT_EQ(errno, ESRCH);
  EXPECT_NE(access(dir.file("port").c_str(), F_OK), 0);
}

TEST(VirtualDeviceLifetime, WithoutALinkThePtyPathIsAnnounced) {
  VirtualDevice device;
  EXPECT_EQ(device.path().rfind("/dev/pts/", 0), 0u) << device.path();
  PosixSerialPort port;
  EXPECT_TRUE(port.open(device.path()));
}

}  // namespace
