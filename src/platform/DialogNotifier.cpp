#include "platform/DialogNotifier.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

void DialogNotifier::message(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

void DialogNotifier::error(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Critical, QApplication::applicationName(), text, QMessageBox::Ok, parent);
  box.exec();
}

void DialogNotifier::showModal(QDialog* window) {
  window->exec();
}
