#include "ui/ClickableLabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

ClickableLabel::ClickableLabel(QWidget* parent) : QLabel(parent) {}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) {
    m_pressed = true;
    event->accept();
    return;
  }
  QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && m_pressed) {
    m_pressed = false;
    // Dragging off the label before letting go cancels the click.
    if (rect().contains(event->position().toPoint())) emit clicked();
    event->accept();
    return;
  }
  QLabel::mouseReleaseEvent(event);
}
