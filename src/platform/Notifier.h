#pragma once
// Notifier: every modal thing the program shows. Message boxes with an OK
// button, the error box carrying the system's message text, and the modal
// secondary windows. Widget code never calls QMessageBox or QDialog::exec
// directly, so an offscreen test never blocks in a modal loop: the test
// double records what would have been shown.
// Implementations: DialogNotifier, tests/doubles/RecordingNotifier.

#include <QString>

class QDialog;
class QWidget;

class Notifier {
 public:
  virtual ~Notifier() = default;
  // A notice with an OK button; returns when the user has closed it.
  virtual void message(QWidget* parent, const QString& text) = 0;
  // The error box: an operation failed with the system's text.
  virtual void error(QWidget* parent, const QString& text) = 0;
  // Shows a secondary window modally and returns when it is closed.
  virtual void showModal(QDialog* window) = 0;
};
