#pragma once
// TerminalHarness: the whole program, assembled as main() does, inside a
// fresh working directory, on doubles of the platform: a serial port in
// memory, a port list, a clock and waits the test controls, and a notifier
// that records instead of showing. Tests drive the real widgets and call the
// timer handlers directly, so nothing depends on timing.

#include <gtest/gtest.h>

#include <memory>

#include "app/Terminal.h"
#include "doubles/FakeClock.h"
#include "doubles/FakePointer.h"
#include "doubles/FakePortList.h"
#include "doubles/FakeSerialPort.h"
#include "doubles/FakeSleeper.h"
#include "doubles/RecordingNotifier.h"
#include "support/TempWorkDir.h"
#include "ui/TForm1.h"

class TerminalHarness : public ::testing::Test {
 protected:
  static constexpr const char* kDevice = "/dev/ttyUSB0";

  TempWorkDir dir;
  FakeSerialPort port;
  FakePortList ports;
  FakeClock clock;
  FakeSleeper sleeper;
  FakePointer pointer;
  RecordingNotifier notifier;
  std::unique_ptr<Terminal> terminal;

  TerminalHarness();
  ~TerminalHarness() override;

  // Creates the program (running its start-up sequence).
  void start();
  // Starts the program and connects to kDevice at 9600 baud.
  void startConnected();
  TForm1& form() { return terminal->form(); }

  // Types a line into the console and presses Enter (with Ctrl if asked).
  void typeAndEnter(const QString& text, bool ctrl = false);
  // The log window's text.
  QString log() const;
  // Moves the clock by ms and runs one receive tick.
  void tickAfter(int ms);
};
