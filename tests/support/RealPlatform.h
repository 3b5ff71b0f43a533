#pragma once
// RealPlatform: the program's own platform services (the termios serial
// port, the system clock, real waits), except the three a test or a tool
// must control: the port list (the system never lists pseudo-terminals),
// the pointer, and the notifier, which records instead of showing.

#include "app/PlatformServices.h"
#include "doubles/FakePointer.h"
#include "doubles/FakePortList.h"
#include "doubles/RecordingNotifier.h"
#include "platform/PosixSerialPort.h"
#include "platform/SystemClock.h"
#include "platform/ThreadSleeper.h"

struct RealPlatform {
  PosixSerialPort port;
  FakePortList ports;
  SystemClock clock;
  ThreadSleeper sleeper;
  FakePointer pointer;
  RecordingNotifier notifier;

  PlatformServices services() { return {port, ports, clock, sleeper, pointer, notifier}; }
};
