#pragma once
// ConnectionController: the Connect/Disconnect button, the AutoConnect
// supervision and the link colour of the port chooser.
//
// ConnectRequested records the user's wish (1 from a successful Connect
// until Disconnect), not the state of the port: it stays 1 while the device
// has dropped out and the supervisor tries to reopen it once a second.
// Colours: green connected, yellow dropped and the last reopen failed, red
// dropped with supervision off, the system colour when disconnected.
// While connected the port and line-setting controls are locked.

#include <QObject>
#include <functional>
#include <optional>

class Notifier;
class PortAccessController;
class SerialLink;
class Sleeper;
class TForm1;

class ConnectionController : public QObject {
  Q_OBJECT
 public:
  ConnectionController(TForm1& form, PortAccessController& access, SerialLink& link, Sleeper& sleeper,
                       Notifier& notifier);

  void BTConnectClick();
  void AutoConnectClick();
  void CheckConnectTimer();

  // Runs after every successful connection or reconnection while
  // SendAsReconn is ticked: sends the console line, or starts the loaded
  // command file.
  std::function<void()> CheckSendDataAftConnect;

  int ConnectRequested = 0;

 private:
  // The open's result; nothing when a line-setting list had no item selected
  // (already reported in the error box).
  std::optional<bool> openPort();
  void setLocked(bool locked);
  void sendOnConnect();

  TForm1& m_form;
  PortAccessController& m_access;
  SerialLink& m_link;
  Sleeper& m_sleeper;
  Notifier& m_notifier;
};
