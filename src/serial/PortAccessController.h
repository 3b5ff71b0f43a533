#pragma once
// PortAccessController: the port chooser and the line-setting lists. It
// fills ComPort from the system's port list (falling back to COM1..COM9 and,
// outside start-up, telling the user why), and opens the port with the
// settings selected in BaudRate, ComBits and ComStopBits. The connection
// controller is its only caller for OpenPort/ClosePort.

#include <QObject>
#include <stdexcept>
#include <string>

class Notifier;
class PortList;
class SerialLink;
class TForm1;

// A line-setting list with no item selected: its text is not a number. The
// caller shows it in the error box; nothing has been touched.
struct SettingsError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class PortAccessController : public QObject {
  Q_OBJECT
 public:
  PortAccessController(TForm1& form, SerialLink& link, PortList& ports, Notifier& notifier);

  void RescanPorts();
  void BTRescanClick();
  // True when the port is open and configured. Throws SettingsError when a
  // line-setting list has no item selected.
  bool OpenPort();
  void ClosePort();

  // On while start-up rescans the ports: the rescan then tells nothing.
  bool StartingUp = false;

 private:
  TForm1& m_form;
  SerialLink& m_link;
  PortList& m_ports;
  Notifier& m_notifier;
  int m_stopBitsCode = 0;  // reused when no stop-bit item is selected
};
