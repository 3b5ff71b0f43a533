#include "serial/PortPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

TEST(PortPath, ResolvesChooserNamesToDevices) {
  // The devices this imaginary machine has under /dev.
  const std::set<std::string> devices{"/dev/pts/3", "/dev/ttyUSB0", "/dev/ttyS0", "/dev/COM0", "/dev/tty"};
  const auto exists = [&](const std::string& path) { return devices.count(path) > 0; };
  struct Case {
    const char* name;
    const char* path;
  };
  const Case cases[] = {
      {"", ""},
      {"/tmp/qv/port", "/tmp/qv/port"},  // absolute: as is, even if missing
      {"COM1", "/dev/ttyS0"},
      {"com3", "/dev/ttyS2"},
      {"Com12", "/dev/ttyS11"},
      {"COM0", "/dev/COM0"},  // no COM0 in the fallback list: an ordinary name
      {"COM", "/dev/ttyCOM"},
      {"COM1a", "/dev/ttyCOM1a"},
      {"pts/3", "/dev/pts/3"},  // exists under /dev
      {"USB0", "/dev/ttyUSB0"},
      {"ACM7", "/dev/ttyACM7"},  // missing devices still get the tty form
      {"S0", "/dev/ttyS0"},
  };
  for (const Case& c : cases) EXPECT_EQ(resolvePortPath(c.name, exists), c.path) << c.name;
}

TEST(PortPath, ShortNamesDropTheTtyPrefixAndResolveBack) {
  struct Case {
    const char* device;
    const char* shortName;
  };
  const Case cases[] = {
      {"ttyUSB0", "USB0"},   {"ttyACM0", "ACM0"},    {"ttyS0", "S0"},
      {"ttyAMA10", "AMA10"}, {"rfcomm0", "rfcomm0"}, {"tty", "tty"},
  };
  const auto nothingExists = [](const std::string&) { return false; };
  for (const Case& c : cases) {
    EXPECT_EQ(shortPortName(c.device), c.shortName) << c.device;
    if (std::string(c.device).rfind("tty", 0) == 0 && std::string(c.device) != "tty") {
      EXPECT_EQ(resolvePortPath(c.shortName, nothingExists), std::string("/dev/") + c.device);
    }
  }
}

TEST(PortPath, NaturalOrderComparesNumbersByValue) {
  std::vector<std::string> names{"USB0", "S10", "S2", "ACM1", "S0", "S1", "USB10", "USB9", "S01"};
  std::sort(names.begin(), names.end(), naturalLess);
  EXPECT_EQ(names,
            (std::vector<std::string>{"ACM1", "S0", "S01", "S1", "S2", "S10", "USB0", "USB9", "USB10"}));
  EXPECT_FALSE(naturalLess("S1", "S1"));
  EXPECT_TRUE(naturalLess("S", "S0"));
  EXPECT_FALSE(naturalLess("S0", "S"));
}

}  // namespace
