#pragma once
// FakeSerialPort: a serial port in memory. Tests put bytes into `incoming`
// (what the device sent), read `written` (what the program wrote), decide
// which paths exist and which settings the device refuses, and unplug it.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/SerialPort.h"

class FakeSerialPort : public SerialPort {
 public:
  // Configuration of the fake device.
  std::set<std::string> existingPaths;
  std::function<bool(const LineSettings&)> accepts = [](const LineSettings&) { return true; };
  bool unplugged = false;

  // Traffic.
  std::string incoming;
  std::string written;
  int purgeCount = 0;
  int openCount = 0;
  int closeCount = 0;
  std::vector<LineSettings> applied;  // every configure() call, accepted or not
  std::string openPath;

  bool open(const std::string& path) override;
  bool isHeld() const override { return m_held; }
  bool configure(const LineSettings& settings) override;
  void purge() override;
  int bytesWaiting() override;
  int read(char* buffer, int maxBytes) override;
  int write(const char* data, int count) override;
  void close() override;

 private:
  bool m_held = false;
};
