#pragma once
// Terminal: the whole program assembled. It creates the main window, the
// core state and the controllers in dependency order, runs the start-up
// sequence while the main window is being created (before it is shown),
// then creates the three secondary windows, and runs the shut-down sequence
// when the user closes the main window.
//
// Start-up never stops half-way: a step that fails (a damaged data file) is
// reported and the remaining steps still run. Shut-down reports a failed
// save and keeps the window open once; a second close request leaves all
// the same, so the user is never trapped.

#include <memory>

#include "app/PlatformServices.h"
#include "receive/PacketStatistics.h"
#include "sending/CommandHistory.h"
#include "serial/SerialLink.h"
#include "transmit/ByteTotals.h"

class ConnectionController;
class ConsoleController;
class HousekeepingController;
class LogFileController;
class LogView;
class PortAccessController;
class ReceiveController;
class TForm1;
class TFormEditHelpCmd;
class TInfo;
class TOpenPortError;
class TransmitController;
class QString;

class Terminal {
 public:
  // How often the counter labels may repaint while data flows.
  static constexpr int kLabelRefreshMs = 25;

  // labelRefreshMs 0 puts every counter on screen at once (for tests that
  // read the labels right after an action).
  explicit Terminal(const PlatformServices& platform, int labelRefreshMs = kLabelRefreshMs);
  ~Terminal();

  TForm1& form() { return *m_form; }
  TOpenPortError& openPortError() { return *m_openPortError; }
  SerialLink& link() { return m_link; }
  CommandHistory& history() { return m_history; }
  const ByteTotals& totals() const { return m_totals; }

  PortAccessController& portAccess() { return *m_portAccess; }
  ConnectionController& connection() { return *m_connection; }
  TransmitController& transmit() { return *m_transmit; }
  ReceiveController& receive() { return *m_receive; }
  LogView& logView() { return *m_logView; }
  LogFileController& logFile() { return *m_logFile; }
  ConsoleController& console() { return *m_console; }
  HousekeepingController& housekeeping() { return *m_housekeeping; }

  // The shut-down sequence; false keeps the window open.
  bool FormClose();

 private:
  void FormCreate();
  void reportError(const QString& text);

  // Steps whose owners come later; kept at their place in the sequences.
  void loadMacroStore() {}
  void writeStartupHelp() {}
  void applySettingsFile() {}
  void showMacroList() {}
  void wireMacroPanel() {}
  void saveSettingsFile() {}

  PlatformServices m_platform;
  SerialLink m_link;
  CommandHistory m_history;
  ByteTotals m_totals;

  std::unique_ptr<TForm1> m_form;
  std::unique_ptr<LogFileController> m_logFile;
  std::unique_ptr<LogView> m_logView;
  std::unique_ptr<PortAccessController> m_portAccess;
  std::unique_ptr<ConnectionController> m_connection;
  std::unique_ptr<TransmitController> m_transmit;
  std::unique_ptr<ReceiveController> m_receive;
  std::unique_ptr<ConsoleController> m_console;
  std::unique_ptr<HousekeepingController> m_housekeeping;
  std::unique_ptr<TFormEditHelpCmd> m_editHelpCmd;
  std::unique_ptr<TInfo> m_info;
  std::unique_ptr<TOpenPortError> m_openPortError;
  bool m_closeFailedOnce = false;
};
