#pragma once
// DialogNotifier: the real Notifier, with QMessageBox and QDialog::exec.

#include "platform/Notifier.h"

class DialogNotifier : public Notifier {
 public:
  void message(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  void showModal(QDialog* window) override;
};
