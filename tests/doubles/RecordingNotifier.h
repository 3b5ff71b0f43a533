#pragma once
// RecordingNotifier: records every notice, error and modal window instead of
// showing it, so offscreen tests never block. `onModal` lets a test act
// while a modal window would be open (as a timer could in the real program).

#include <QString>
#include <QStringList>
#include <functional>

#include "platform/Notifier.h"

class RecordingNotifier : public Notifier {
 public:
  QStringList messages;
  QStringList errors;
  QStringList modalWindows;  // object names of the windows shown modally
  std::function<void()> onModal;

  void message(QWidget* parent, const QString& text) override;
  void error(QWidget* parent, const QString& text) override;
  void showModal(QDialog* window) override;

  void clear() {
    messages.clear();
    errors.clear();
    modalWindows.clear();
  }
};
