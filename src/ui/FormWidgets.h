#pragma once
// FormWidgets: small factories that create a control at a fixed geometry
// with its object name, caption and hint in one call, so the window
// builders read like the table of controls they implement. Every factory
// parents the control and names it; none of them connects anything.

#include <QRect>
#include <QString>
#include <QStringList>

class QCheckBox;
class QComboBox;
class QFont;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace formwidgets {

// The parent's font at a pixel size, optionally bold.
QFont pixelFont(const QWidget* parent, int pixelSize, bool bold);
QFont boldFont(const QWidget* parent);

QFrame* panel(QWidget* parent, const QString& name, const QRect& geometry, bool raised);
QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                    const QString& hint = {});
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
              bool sunken = false, const QString& hint = {});
QLineEdit* edit(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                int maxLength = -1, const QString& hint = {});
QComboBox* comboBox(QWidget* parent, const QString& name, const QStringList& items, int selected,
                    const QRect& geometry, const QString& hint = {});
QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QString& hint = {});
QRadioButton* radioButton(QWidget* parent, const QString& name, const QString& caption,
                          const QString& hint = {});

}  // namespace formwidgets
