#include "doubles/RecordingNotifier.h"

#include <QDialog>

void RecordingNotifier::message(QWidget*, const QString& text) {
  messages << text;
}

void RecordingNotifier::error(QWidget*, const QString& text) {
  errors << text;
}

void RecordingNotifier::showModal(QDialog* window) {
  modalWindows << window->objectName();
  if (onModal) onModal();
}
