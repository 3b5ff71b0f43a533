#pragma once
// Background colours of single controls (the link indicator on the port
// chooser, the yellow of a non-zero separation time or an active filter).
// Kept in one place because an editable combo box and a label each need
// their own palette roles set.

#include <QColor>

class QWidget;

void setBackgroundColor(QWidget* widget, const QColor& color);
QColor backgroundColor(const QWidget* widget);
