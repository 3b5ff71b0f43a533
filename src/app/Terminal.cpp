#include "app/Terminal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "assist/HousekeepingController.h"
#include "platform/Cp1251.h"
#include "platform/Notifier.h"
#include "receive/LogFileController.h"
#include "receive/LogView.h"
#include "receive/ReceiveController.h"
#include "sending/ConsoleController.h"
#include "sending/HistoryFile.h"
#include "serial/ConnectionController.h"
#include "serial/PortAccessController.h"
#include "transmit/TransmitController.h"
#include "ui/Colors.h"
#include "ui/LogWindow.h"
#include "ui/TForm1.h"
#include "ui/TFormEditHelpCmd.h"
#include "ui/TInfo.h"
#include "ui/TOpenPortError.h"
#include "ui/WidgetColors.h"

Terminal::Terminal(const PlatformServices& platform, int labelRefreshMs)
    : m_platform(platform), m_link(platform.port, platform.sleeper), m_form(std::make_unique<TForm1>()) {
  TForm1& f = *m_form;
  m_logFile = std::make_unique<LogFileController>(f, platform.clock, platform.notifier);
  m_logView = std::make_unique<LogView>(f, *m_logFile, labelRefreshMs);
  m_portAccess = std::make_unique<PortAccessController>(f, m_link, platform.ports, platform.notifier);
  m_connection =
      std::make_unique<ConnectionController>(f, *m_portAccess, m_link, platform.sleeper, platform.notifier);
  m_transmit = std::make_unique<TransmitController>(f, m_link, m_history, *m_logView, m_totals,
                                                    platform.clock, platform.notifier);
  m_receive = std::make_unique<ReceiveController>(f, m_link, *m_logView, m_totals, platform.clock);
  m_console = std::make_unique<ConsoleController>(f, *m_transmit, m_history, m_link);
  m_housekeeping = std::make_unique<HousekeepingController>(f, platform.clock);

  // Send-on-connect sends the console line (a loaded command file takes its
  // place once command files exist).
  m_connection->CheckSendDataAftConnect = [this] {
    m_transmit->SendPortData(Cp1251::fromUnicode(m_form->MainStrCmd->text()));
  };
  f.onCloseRequest = [this] { return FormClose(); };

  // The timers run from the moment the main window exists, so their handlers
  // may already tick inside a message box shown during start-up.
  f.RxTimer->start();
  f.CustomFunctions->start();
  f.CheckConnect->start();

  FormCreate();

  m_editHelpCmd = std::make_unique<TFormEditHelpCmd>();
  m_info = std::make_unique<TInfo>();
  m_openPortError = std::make_unique<TOpenPortError>();
  m_transmit->setOpenPortErrorWindow(m_openPortError.get());
}

Terminal::~Terminal() {
  // Controllers refer to the form: they go first.
  m_housekeeping.reset();
  m_console.reset();
  m_receive.reset();
  m_transmit.reset();
  m_connection.reset();
  m_portAccess.reset();
  m_logView.reset();
  m_logFile.reset();
}

void Terminal::FormCreate() {
  TForm1& f = *m_form;
  m_logView->statistics() = PacketStatistics{};
  m_logView->showStatistics();
  setBackgroundColor(f.FiltrLog, colors::buttonFace());
  f.MainWindow->clear();
  f.BTConnect->setFocus();
  m_receive->setRxIdleTimeoutMs(0);

  loadMacroStore();
  if (FileResult loaded = HistoryFile::loadOrCreate(m_history); !loaded.ok)
    reportError(QString::fromLocal8Bit(loaded.error));
  else
    m_console->ReadOldCmd();

  m_portAccess->StartingUp = true;
  m_portAccess->RescanPorts();
  m_portAccess->StartingUp = false;

  writeStartupHelp();
  applySettingsFile();
  showMacroList();
  wireMacroPanel();
  f.ListDec->setEnabled(false);
  f.ListInc->setEnabled(true);
  m_logView->labels().flush();
}

bool Terminal::FormClose() {
  if (FileResult result = HistoryFile::saveIfExists(m_history); !result.ok) {
    reportError(QString::fromLocal8Bit(result.error));
    // The window stays open once, so the user can free the disk or the
    // folder and close again; a second close leaves all the same.
    if (!m_closeFailedOnce) {
      m_closeFailedOnce = true;
      return false;
    }
  }
  m_logFile->close();
  saveSettingsFile();
  return true;
}

void Terminal::reportError(const QString& text) {
  m_platform.notifier.error(m_form.get(), text);
}
