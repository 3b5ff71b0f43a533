#pragma once
// SystemPortList: the serial ports the system reports, under the short names
// the port chooser shows ("ttyUSB0" is listed as "USB0"), in natural order
// (S0, S1, ..., S10, USB0). The description joins the system's description
// and manufacturer where it knows them; it goes into the item's tooltip.
// The list is "available" only when it holds at least one port, so an empty
// system list makes the chooser fall back to COM1..COM9.
// Pseudo-terminals are never listed; they are reached by typing their name.

#include "platform/PortList.h"

class SystemPortList : public PortList {
 public:
  PortListing scan() override;
};
