// Clickable pictures: the colour faces and the about dialogs' pictures.
#include "picture_box.h"

#include <QPainter>

namespace zarlin {

PictureBox::PictureBox(const QPixmap& picture, QWidget* parent)
    : QAbstractButton(parent), picture_(picture) {
  setFocusPolicy(Qt::NoFocus);
  resize(sizeHint());
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

}  // namespace zarlin
