#pragma once
// PortList: the serial ports the system knows, in a stable order.
// An empty `names` with `available == false` means the system gave no list at
// all, which makes the port chooser fall back to COM1..COM9 and (outside
// start-up) tell the user. Implementations: SystemPortList, FakePortList.

#include <string>
#include <vector>

struct PortEntry {
  std::string name;         // short name shown in the chooser ("USB0", "S0")
  std::string description;  // for the item's tooltip; may be empty
};

struct PortListing {
  bool available = false;
  std::vector<PortEntry> ports;
};

class PortList {
 public:
  virtual ~PortList() = default;
  virtual PortListing scan() = 0;
};
