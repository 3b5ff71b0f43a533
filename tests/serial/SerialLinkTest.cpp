#include <gtest/gtest.h>

#include "doubles/FakeSerialPort.h"
#include "doubles/FakeSleeper.h"
#include "serial/SerialLink.h"

namespace {

struct SerialLinkTest : ::testing::Test {
  FakeSerialPort port;
  FakeSleeper sleeper;
  SerialLink link{port, sleeper};
  const LineSettings settings{9600, 8, 0};

  SerialLinkTest() { port.existingPaths = {"/dev/ttyUSB0"}; }
};

TEST_F(SerialLinkTest, OpensConfiguresAndClosesAfterWaitingBeforeTheOpen) {
  ASSERT_TRUE(link.OpenPort("/dev/ttyUSB0", settings));
  EXPECT_TRUE(link.PortOpen());
  EXPECT_EQ(link.PortConfig(), settings);
  EXPECT_EQ(sleeper.waits, std::vector<int>{5});
  ASSERT_EQ(port.applied.size(), 1u);

  link.ClosePort();
  EXPECT_FALSE(link.PortOpen());
  EXPECT_FALSE(port.isHeld());
  EXPECT_EQ(port.purgeCount, 1);
}

TEST_F(SerialLinkTest, EmptyOrMissingNameFailsWithoutTouchingTheDevice) {
  EXPECT_FALSE(link.OpenPort("", settings));
  EXPECT_FALSE(link.OpenPort("/dev/ttyUSB9", settings));
  EXPECT_FALSE(link.PortOpen());
  EXPECT_EQ(port.openCount, 0);
}

TEST_F(SerialLinkTest, RefusedSettingsHoldTheDeviceUntilTheNextOpenReleasesIt) {
  port.accepts = [](const LineSettings& s) { return s.stopBitsCode != 1; };
  EXPECT_FALSE(link.OpenPort("/dev/ttyUSB0", {9600, 8, 1}));
  EXPECT_FALSE(link.PortOpen());
  EXPECT_TRUE(port.isHeld());

  link.ClosePort();  // not open: nothing happens
  EXPECT_TRUE(port.isHeld());
  EXPECT_EQ(port.closeCount, 0);

  EXPECT_TRUE(link.OpenPort("/dev/ttyUSB0", settings));
  EXPECT_EQ(port.closeCount, 1);
  EXPECT_EQ(port.openCount, 2);
  EXPECT_TRUE(link.PortOpen());
}

TEST_F(SerialLinkTest, ProbeFailsOnceTheDeviceHasGoneAndReappliesTheSameSettings) {
  ASSERT_TRUE(link.OpenPort("/dev/ttyUSB0", settings));
  EXPECT_TRUE(link.probe());
  port.unplugged = true;
  EXPECT_FALSE(link.probe());
  EXPECT_EQ(port.applied.back(), settings);
}

}  // namespace
