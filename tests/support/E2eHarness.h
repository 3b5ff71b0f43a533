#pragma once
// E2eHarness: the whole program on the real platform (termios serial port,
// system clock, real waits) in a fresh working directory, with running
// timers. Only the message boxes are recorded instead of shown, and the port
// list is given by the test (the system never lists pseudo-terminals).
// The device is a real pseudo-terminal: PtyPair in-process, or the vdevice
// tool. waitUntil() runs the event loop until a condition holds. Counter
// labels are set at once, so a test can read them right after an action.

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/Terminal.h"
#include "support/RealPlatform.h"
#include "support/TempWorkDir.h"
#include "ui/TForm1.h"

class E2eHarness : public ::testing::Test, protected RealPlatform {
 protected:
  TempWorkDir dir;
  std::unique_ptr<Terminal> terminal;

  ~E2eHarness() override;

  void start();
  TForm1& form() { return terminal->form(); }
  // Types the device path into the port chooser and presses Connect.
  void connectTo(const std::string& path);
  // Runs the event loop until `done` holds or timeoutMs passes; returns done().
  static bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000);
};
