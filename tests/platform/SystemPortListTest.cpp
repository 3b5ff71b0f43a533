#include "platform/SystemPortList.h"

#include <gtest/gtest.h>

#include "serial/PortPath.h"

namespace {

// Whatever ports this machine has: the list must use the chooser's short
// names, resolvable back to a device, in natural order.
TEST(SystemPortList, ListsShortNamesInNaturalOrder) {
  SystemPortList list;
  const PortListing listing = list.scan();
  EXPECT_EQ(listing.available, !listing.ports.empty());
  for (size_t i = 0; i < listing.ports.size(); ++i) {
    const std::string& name = listing.ports[i].name;
    EXPECT_NE(name.rfind("tty", 0), 0u) << name;
    EXPECT_EQ(resolvePortPath(name, [](const std::string&) { return false; }), "/dev/tty" + name);
    if (i > 0) {
      EXPECT_FALSE(naturalLess(name, listing.ports[i - 1].name)) << name;
    }
  }
}

}  // namespace
