#include "ui/FormWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

namespace formwidgets {

QFont pixelFont(const QWidget* parent, int pixelSize, bool bold) {
  QFont font = parent->font();
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

QFont boldFont(const QWidget* parent) {
  QFont font = parent->font();
  font.setBold(true);
  return font;
}

QFrame* panel(QWidget* parent, const QString& name, const QRect& geometry, bool raised) {
  auto* frame = new QFrame(parent);
  frame->setObjectName(name);
  frame->setGeometry(geometry);
  if (raised) {
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
  }
  return frame;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& caption, const QRect& geometry,
                    const QString& hint) {
  auto* control = new QPushButton(caption, parent);
  control->setObjectName(name);
  control->setGeometry(geometry);
  control->setToolTip(hint);
  return control;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, bool sunken,
              const QString& hint) {
  auto* control = new QLabel(parent);
  control->setObjectName(name);
  // Captions are data (list names, file paths, help text): never read them as markup.
  control->setTextFormat(Qt::PlainText);
  control->setText(text);
  control->setGeometry(geometry);
  control->setToolTip(hint);
  if (sunken) {
    control->setFrameShape(QFrame::Panel);
    control->setFrameShadow(QFrame::Sunken);
  }
  return control;
}

QLineEdit* edit(QWidget* parent, const QString& name, const QString& text, const QRect& geometry,
                int maxLength, const QString& hint) {
  auto* control = new QLineEdit(parent);
  control->setObjectName(name);
  if (maxLength > 0) control->setMaxLength(maxLength);
  control->setText(text);
  control->setGeometry(geometry);
  control->setToolTip(hint);
  return control;
}

QComboBox* comboBox(QWidget* parent, const QString& name, const QStringList& items, int selected,
                    const QRect& geometry, const QString& hint) {
  auto* control = new QComboBox(parent);
  control->setObjectName(name);
  control->setEditable(true);
  // Typed text stays typed text: it must never add itself to the items.
  control->setInsertPolicy(QComboBox::NoInsert);
  control->addItems(items);
  control->setCurrentIndex(selected);
  control->setGeometry(geometry);
  control->setToolTip(hint);
  return control;
}

QCheckBox* checkBox(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
  auto* control = new QCheckBox(caption, parent);
  control->setObjectName(name);
  control->setToolTip(hint);
  return control;
}

QRadioButton* radioButton(QWidget* parent, const QString& name, const QString& caption, const QString& hint) {
  auto* control = new QRadioButton(caption, parent);
  control->setObjectName(name);
  control->setToolTip(hint);
  return control;
}

}  // namespace formwidgets
