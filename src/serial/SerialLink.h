#pragma once
// SerialLink: the one serial port of the program and its line settings.
//
// PortOpen is on from a successful open and configuration until the port is
// closed or a configuration is refused. A refused configuration leaves the
// device held but not open; the next OpenPort releases it first. The last
// settings applied stay in PortConfig, and the connection supervisor probes
// the port by applying them again (which fails once the device has gone).
// Called by the connection controller; the send and receive paths use port()
// while PortOpen is on.

#include <string>

#include "platform/SerialPort.h"

class Sleeper;

class SerialLink {
 public:
  SerialLink(SerialPort& port, Sleeper& sleeper) : m_port(port), m_sleeper(sleeper) {}

  // Opens `path` with the given settings. True when open and configured.
  bool OpenPort(const std::string& path, const LineSettings& settings);
  // Purges and closes the port if it is open; otherwise does nothing.
  void ClosePort();
  // Applies PortConfig again: true while the device is a working port.
  bool probe();

  bool PortOpen() const { return m_open; }
  const LineSettings& PortConfig() const { return m_config; }
  SerialPort& port() { return m_port; }

 private:
  SerialPort& m_port;
  Sleeper& m_sleeper;
  LineSettings m_config;
  bool m_open = false;
};
