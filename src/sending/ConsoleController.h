#pragma once
// ConsoleController: the console line MainStrCmd and the tail field
// AddStrCmd with their keys, the "Отправить" button, the history drop-down
// FastOldCmd and the checksum-template drop-down LBTail, and the output-mode
// buttons (which reset the tail: "$0D" for ASCII, empty for HEX).
//
// Console keys: Enter sends and empties the line when the port is open,
// Ctrl+Enter sends and keeps it, Esc empties it, releasing Down opens the
// history. Tail keys: Enter does nothing, Esc empties it, releasing Down opens
// the templates. A drop-down closes on a choice, on Esc, or when it loses
// the focus; choosing copies, never sends.

#include <QObject>

class CommandHistory;
class SerialLink;
class TForm1;
class TransmitController;
class QListWidget;
class QLineEdit;

class ConsoleController : public QObject {
  Q_OBJECT
 public:
  ConsoleController(TForm1& form, TransmitController& transmit, CommandHistory& history, SerialLink& link);

  void ButtonSendClick();
  // Refills the history drop-down, newest first, nothing selected.
  void ReadOldCmd();
  // Run whenever the button becomes selected (never for a click on the
  // button already selected).
  void RBASCIIClick();
  void RBHEXClick();
  // Opens a drop-down under its field with the focus in it.
  void openHistory();
  void openTemplates();

  // While set (a command file was closed), every recorded line also
  // refreshes the history drop-down.
  bool HistoryShown = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool consoleKey(QEvent* event);
  bool tailKey(QEvent* event);
  bool dropDownKey(QListWidget* list, QLineEdit* field, QEvent* event);
  void choose(QListWidget* list, QLineEdit* field);
  void closeDropDown(QListWidget* list, QLineEdit* field);
  void sendConsoleLine();

  TForm1& m_form;
  TransmitController& m_transmit;
  CommandHistory& m_history;
  SerialLink& m_link;
};
