#pragma once
// FakePortList: the port list the test wants the system to report.

#include "platform/PortList.h"

class FakePortList : public PortList {
 public:
  PortListing listing;
  int scans = 0;
  PortListing scan() override {
    ++scans;
    return listing;
  }
};
