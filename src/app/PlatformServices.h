#pragma once
// PlatformServices: the operating-system services the program runs on,
// handed to the assembly in one bundle. main() passes the real ones; tests
// pass doubles (a recording notifier, a fake clock) or real ones (a real
// serial port on a pseudo-terminal).

class Clock;
class Notifier;
class PointerPosition;
class PortList;
class SerialPort;
class Sleeper;

struct PlatformServices {
  SerialPort& port;
  PortList& ports;
  Clock& clock;
  Sleeper& sleeper;
  PointerPosition& pointer;
  Notifier& notifier;
};
