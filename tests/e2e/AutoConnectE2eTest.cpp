// AutoConnect against the virtual device: it goes away (an unplugged
// adapter), the chooser turns yellow, the program stays idle while it is
// gone, and it is reopened under the same name when it comes back.
#include <sys/resource.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include "support/E2eHarness.h"
#include "support/VirtualDevice.h"
#include "ui/Colors.h"
#include "ui/WidgetColors.h"

namespace {

double processCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
         (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

using AutoConnectE2eTest = E2eHarness;

TEST_F(AutoConnectE2eTest, UnpluggedDeviceGoesYellowCostsNothingAndComesBackGreen) {
  VirtualDevice device({dir.file("ttyVirtual"), "silent", ""});
  start();
  connectTo(device.path());
  ASSERT_TRUE(terminal->link().PortOpen());
  form().AutoConnect->click();  // the warning is recorded, not shown
  form().SendAsReconn->setChecked(true);
  form().MainStrCmd->setText("hello");

  device.unplug();
  EXPECT_TRUE(waitUntil([&] { return backgroundColor(form().ComPort) == colors::yellow(); }, 5000))
      << "the supervisor ticks once a second";
  EXPECT_FALSE(terminal->link().PortOpen());

  // While the device is gone, the program only tries to reopen it once a
  // second: far less than a core (a spinning loop would use all of it).
  const double cpuBefore = processCpuSeconds();
  waitUntil([] { return false; }, 2000);
  EXPECT_LT(processCpuSeconds() - cpuBefore, 1.0);

  device.plug();
  EXPECT_TRUE(waitUntil([&] { return backgroundColor(form().ComPort) == colors::green(); }, 5000));
  EXPECT_TRUE(terminal->link().PortOpen());
  // After the settling wait the console line goes out on its own.
  EXPECT_TRUE(waitUntil([&] { return device.received() >= 6; }, 5000));
}

}  // namespace
