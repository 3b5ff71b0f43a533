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
  // Text areas paint Base, labels, panels and windows paint Window; setting
  // both keeps one rule for every kind of control.
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, color);
  palette.setColor(QPalette::Base, color);
  auto* combo = qobject_cast<QComboBox*>(widget);
  if (combo) palette.setColor(QPalette::Button, color);
  widget->setPalette(palette);
  if (!combo && !qobject_cast<QLineEdit*>(widget)) widget->setAutoFillBackground(true);
  if (combo && combo->lineEdit()) {
    QPalette editPalette = combo->lineEdit()->palette();
    editPalette.setColor(QPalette::Base, color);
    combo->lineEdit()->setPalette(editPalette);
  }
}

QColor backgroundColor(const QWidget* widget) {
  return widget->palette().color(roleFor(widget));
}
