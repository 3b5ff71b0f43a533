#pragma once
// TOpenPortError: the window shown when the user sends while the port is
// closed. It holds one picture (see OpenPortPicture) at its natural size from
// the top-left corner and has no behaviour of its own; the send path shows
// it modally and the user closes it. Created once at start-up.

#include <QDialog>

class QLabel;

class TOpenPortError : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidth = 603;
  static constexpr int kHeight = 519;

  explicit TOpenPortError(QWidget* parent = nullptr);

  QLabel* Image1 = nullptr;

 protected:
  void resizeEvent(QResizeEvent* event) override;
};
