#pragma once
// Colors: the named colours of the program in one place. Fixed colours are
// the link indicator's (green, yellow, red), the cream of the help lines and
// the yellow of the editor notice; "system" colours are read from the
// application palette at the moment they are asked for, so they follow the
// desktop theme. Callers: ui/ when building the windows, and the controllers
// that recolour the port chooser, the log filter and the text areas.

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace colors {

inline QColor green() {
  return QColor(0, 255, 0);
}
inline QColor yellow() {
  return QColor(255, 255, 0);
}
inline QColor red() {
  return QColor(255, 0, 0);
}
inline QColor blue() {
  return QColor(0, 0, 255);
}
inline QColor aqua() {
  return QColor(0, 255, 255);
}
inline QColor black() {
  return QColor(0, 0, 0);
}
// Background of the twelve help and description lines.
inline QColor cream() {
  return QColor(255, 251, 240);
}

// The background of text entry areas (a white page in most themes).
inline QColor windowBackground() {
  return QApplication::palette().color(QPalette::Base);
}
inline QColor windowText() {
  return QApplication::palette().color(QPalette::Text);
}
// The face of buttons and panels, the main window's own background.
inline QColor buttonFace() {
  return QApplication::palette().color(QPalette::Button);
}
inline QColor tooltipBackground() {
  return QApplication::palette().color(QPalette::ToolTipBase);
}

}  // namespace colors
