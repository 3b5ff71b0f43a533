#pragma once
// ClickableLabel: a static text that reports a left click, for the small
// drop-down arrows beside the console line and the tail field. A click is a
// press and a release of the left button inside the label, as with a button.

#include <QLabel>

class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);
  explicit ClickableLabel(QWidget* parent = nullptr);

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool m_pressed = false;
};
