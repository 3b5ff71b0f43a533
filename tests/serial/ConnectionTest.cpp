// The port chooser, Connect/Disconnect and the AutoConnect supervision,
// driven through the real main window on a serial port in memory.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "assist/HousekeepingController.h"
#include "serial/ConnectionController.h"
#include "serial/PortAccessController.h"
#include "support/TerminalHarness.h"
#include "ui/Colors.h"
#include "ui/WidgetColors.h"

namespace {

const QString kOpenFailed = "Что-то не открывается порт. Программа может работать только с COM1..COM9.";
const QString kAutoConnectWarning =
    "При включенном режиме AutoConnect в некоторых драйверах COM-порта возможны глюки!";

QStringList items(const QComboBox* box) {
  QStringList out;
  for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
  return out;
}

bool portControlsEnabled(TForm1& f) {
  return f.ComPort->isEnabled() && f.BaudRate->isEnabled() && f.BTRescan->isEnabled() &&
         f.ComBits->isEnabled() && f.ComStopBits->isEnabled();
}

bool portControlsDisabled(TForm1& f) {
  return !f.ComPort->isEnabled() && !f.BaudRate->isEnabled() && !f.BTRescan->isEnabled() &&
         !f.ComBits->isEnabled() && !f.ComStopBits->isEnabled();
}

using PortChooserTest = TerminalHarness;

TEST_F(PortChooserTest, StartupWithoutAListFallsBackToComPortsSilently) {
  ports.listing = {};
  start();
  EXPECT_EQ(items(form().ComPort),
            QStringList({"COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7", "COM8", "COM9"}));
  EXPECT_EQ(form().ComPort->currentText(), "");
  EXPECT_TRUE(notifier.messages.isEmpty());

  form().BTRescan->click();
  EXPECT_EQ(notifier.messages,
            QStringList({":-(", "Запустите программу от имени администратора или выберите порт вручную"}));
  EXPECT_EQ(form().ComPort->count(), 9);
  EXPECT_EQ(form().ComPort->currentText(), "");
}

TEST_F(PortChooserTest, ListedPortsShowTheFirstWithItsDescription) {
  ports.listing.ports = {{"S0", ""}, {"USB0", "USB serial adapter"}};
  start();
  form().ComPort->setCurrentText("typed");
  form().BTRescan->click();
  EXPECT_EQ(items(form().ComPort), QStringList({"S0", "USB0"}));
  EXPECT_EQ(form().ComPort->currentText(), "S0");
  EXPECT_EQ(form().ComPort->itemData(1, Qt::ToolTipRole).toString(), "USB serial adapter");
  EXPECT_TRUE(notifier.messages.isEmpty());
}

using ConnectTest = TerminalHarness;

TEST_F(ConnectTest, ConnectLocksTheSettingsAndDisconnectReleasesTheDevice) {
  start();
  form().ComPort->setCurrentText("USB0");
  form().BaudRate->setCurrentIndex(7);
  form().ComBits->setCurrentIndex(3);
  form().ComStopBits->setCurrentIndex(2);
  form().BTConnect->click();

  EXPECT_TRUE(terminal->link().PortOpen());
  EXPECT_EQ(port.openPath, kDevice);
  EXPECT_EQ(port.applied.back(), (LineSettings{115200, 8, 2}));
  EXPECT_EQ(form().BTConnect->text(), "Disconnect");
  EXPECT_TRUE(form().BTConnect->isEnabled());
  EXPECT_TRUE(portControlsDisabled(form()));
  EXPECT_EQ(backgroundColor(form().ComPort), colors::green());
  EXPECT_EQ(terminal->connection().ConnectRequested, 1);
  EXPECT_TRUE(notifier.messages.isEmpty());

  form().BTConnect->click();
  EXPECT_FALSE(terminal->link().PortOpen());
  EXPECT_FALSE(port.isHeld());
  EXPECT_EQ(form().BTConnect->text(), "Connect");
  EXPECT_TRUE(portControlsEnabled(form()));
  EXPECT_EQ(backgroundColor(form().ComPort), colors::windowBackground());
  EXPECT_EQ(terminal->connection().ConnectRequested, 0);
}

TEST_F(ConnectTest, FailedConnectsSayWhyAndLeaveEverythingAsItWas) {
  struct Case {
    QString port;
    QStringList messages;
  };
  const Case cases[] = {
      {"", {"Выбери порт!"}},
      {"USB7", {kOpenFailed}},
      {"COM3", {kOpenFailed}},
  };
  start();
  const QColor before = backgroundColor(form().ComPort);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.port.toStdString());
    notifier.clear();
    form().ComPort->setCurrentIndex(-1);
    form().ComPort->setEditText(c.port);
    form().BTConnect->click();
    EXPECT_EQ(notifier.messages, c.messages);
    EXPECT_FALSE(terminal->link().PortOpen());
    EXPECT_EQ(form().BTConnect->text(), "Connect");
    EXPECT_TRUE(form().BTConnect->isEnabled());
    EXPECT_TRUE(portControlsEnabled(form()));
    EXPECT_EQ(backgroundColor(form().ComPort), before);
  }
  EXPECT_EQ(port.openCount, 0);
}

TEST_F(ConnectTest, NoBaudRateSelectedIsAnErrorThatTouchesNothing) {
  start();
  form().ComPort->setCurrentText("USB0");
  form().BaudRate->setCurrentIndex(-1);
  form().BTConnect->click();
  ASSERT_EQ(notifier.errors.size(), 1);
  EXPECT_TRUE(notifier.messages.isEmpty());
  EXPECT_EQ(port.openCount, 0);
  EXPECT_TRUE(form().BTConnect->isEnabled());
  EXPECT_EQ(form().BTConnect->text(), "Connect");
}

TEST_F(ConnectTest, RefusedSettingsFailTheConnectAndALaterConnectReleasesTheHeldDevice) {
  port.accepts = [](const LineSettings& s) { return s.stopBitsCode != 1; };
  start();
  form().ComPort->setCurrentText("USB0");
  form().ComStopBits->setCurrentIndex(1);
  form().BTConnect->click();
  EXPECT_EQ(notifier.messages, QStringList({kOpenFailed}));
  EXPECT_FALSE(terminal->link().PortOpen());
  EXPECT_TRUE(port.isHeld());

  form().ComStopBits->setCurrentIndex(0);
  form().BTConnect->click();
  EXPECT_TRUE(terminal->link().PortOpen());
  EXPECT_EQ(port.closeCount, 1);
}

TEST_F(ConnectTest, SendOnConnectSendsTheConsoleLine) {
  start();
  form().SendAsReconn->setChecked(true);
  form().MainStrCmd->setText("AT");
  form().ComPort->setCurrentText("USB0");
  form().BTConnect->click();
  EXPECT_EQ(port.written, "AT\r");
}

using SupervisionTest = TerminalHarness;

TEST_F(SupervisionTest, TickingAutoConnectWarnsEveryTimeAndDrivesTheSupervisor) {
  start();
  form().CheckConnect->stop();
  form().AutoConnect->click();
  form().AutoConnect->click();
  form().AutoConnect->click();
  EXPECT_EQ(notifier.messages, QStringList({kAutoConnectWarning, kAutoConnectWarning}));

  terminal->housekeeping().CustomFunctionsTimer();
  EXPECT_TRUE(form().CheckConnect->isActive());
  form().AutoConnect->setChecked(false);
  terminal->housekeeping().CustomFunctionsTimer();
  EXPECT_FALSE(form().CheckConnect->isActive());
}

TEST_F(SupervisionTest, UnpluggedDeviceTurnsYellowAndIsReopenedWhenItComesBack) {
  startConnected();
  form().AutoConnect->setChecked(true);
  form().SendAsReconn->setChecked(true);
  form().MainStrCmd->setText("hello");
  port.written.clear();

  terminal->connection().CheckConnectTimer();
  EXPECT_EQ(backgroundColor(form().ComPort), colors::green());
  EXPECT_EQ(port.openCount, 1) << "a working port is not reopened";

  port.unplugged = true;
  for (int tick = 0; tick < 3; ++tick) {
    terminal->connection().CheckConnectTimer();
    EXPECT_EQ(backgroundColor(form().ComPort), colors::yellow());
    EXPECT_FALSE(terminal->link().PortOpen());
    EXPECT_EQ(form().BTConnect->text(), "Disconnect");
  }
  EXPECT_TRUE(port.written.empty());

  port.unplugged = false;
  sleeper.waits.clear();
  terminal->connection().CheckConnectTimer();
  EXPECT_TRUE(terminal->link().PortOpen());
  EXPECT_EQ(backgroundColor(form().ComPort), colors::green());
  EXPECT_EQ(sleeper.waits, (std::vector<int>{5, 2000}));
  EXPECT_EQ(port.written, "hello\r");
  EXPECT_TRUE(notifier.messages.isEmpty());
}

TEST_F(SupervisionTest, ADropWithoutAutoConnectIsRedAndDisconnectReturnsToIdle) {
  startConnected();
  port.unplugged = true;
  terminal->connection().CheckConnectTimer();
  EXPECT_EQ(backgroundColor(form().ComPort), colors::red());
  EXPECT_FALSE(terminal->link().PortOpen());

  const int closes = port.closeCount;
  form().BTConnect->click();
  EXPECT_EQ(port.closeCount, closes) << "Disconnect while dropped does not touch the port";
  EXPECT_EQ(form().BTConnect->text(), "Connect");
  EXPECT_EQ(backgroundColor(form().ComPort), colors::windowBackground());
}

}  // namespace
