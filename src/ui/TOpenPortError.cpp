#include "ui/TOpenPortError.h"

#include <QLabel>
#include <QPixmap>
#include <QResizeEvent>

#include "ui/OpenPortPicture.h"

TOpenPortError::TOpenPortError(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
  setObjectName("TOpenPortError");
  setWindowTitle("OpenPortError");
  setSizeGripEnabled(false);

  Image1 = new QLabel(this);
  Image1->setObjectName("Image1");
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The picture's own white continues past its edges when the window is larger.
  Image1->setAutoFillBackground(true);
  QPalette palette = Image1->palette();
  palette.setColor(QPalette::Window, Qt::white);
  Image1->setPalette(palette);
  Image1->setPixmap(QPixmap::fromImage(openportpicture::draw()));

  resize(kWidth, kHeight);
}

void TOpenPortError::resizeEvent(QResizeEvent* event) {
  Image1->setGeometry(rect());
  QDialog::resizeEvent(event);
}
