#include "ui/UpDownArrows.h"

#include <QResizeEvent>
#include <QToolButton>

namespace {

QToolButton* makeArrow(Qt::ArrowType type, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setArrowType(type);
  button->setAutoRepeat(true);
  button->setFocusPolicy(Qt::NoFocus);
  // At 17 x 12 the style's default icon margins would swallow the arrow.
  button->setIconSize(QSize(7, 5));
  return button;
}

}  // namespace

UpDownArrows::UpDownArrows(QWidget* parent) : QWidget(parent) {
  m_up = makeArrow(Qt::UpArrow, this);
  m_up->setObjectName("up");
  m_down = makeArrow(Qt::DownArrow, this);
  m_down->setObjectName("down");
  connect(m_up, &QToolButton::clicked, this, [this] { emit stepped(true); });
  connect(m_down, &QToolButton::clicked, this, [this] { emit stepped(false); });
  resize(kDesignWidth, kDesignHeight);
}

void UpDownArrows::resizeEvent(QResizeEvent* event) {
  const int w = event->size().width();
  const int h = event->size().height();
  const int upper = h / 2;
  m_up->setGeometry(0, 0, w, upper);
  m_down->setGeometry(0, upper, w, h - upper);
  QWidget::resizeEvent(event);
}
