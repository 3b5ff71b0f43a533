#include "ui/WidgetColors.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {
QPalette::ColorRole roleFor(const QWidget* widget) {
  // Text entry areas paint their Base; labels and frames paint their Window.
  if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)) return QPalette::Base;
  if (qobject_cast<const QLabel*>(widget)) return QPalette::Window;
  return QPalette::Base;
}
}  // namespace

void setBackgroundColor(QWidget* widget, const QColor& color) {
  QPalette palette = widget->palette();
  palette.setColor(roleFor(widget), color);
  if (qobject_cast<QComboBox*>(widget)) palette.setColor(QPalette::Button, color);
  widget->setPalette(palette);
  if (qobject_cast<QLabel*>(widget)) widget->setAutoFillBackground(true);
  if (auto* combo = qobject_cast<QComboBox*>(widget); combo && combo->lineEdit()) {
    QPalette editPalette = combo->lineEdit()->palette();
    editPalette.setColor(QPalette::Base, color);
    combo->lineEdit()->setPalette(editPalette);
  }
}

QColor backgroundColor(const QWidget* widget) {
  return widget->palette().color(roleFor(widget));
}
