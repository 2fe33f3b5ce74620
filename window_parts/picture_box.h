// A picture that reports clicks: a bitmap drawn at its own size from the box's top-left corner.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zarlin {

class PictureBox : public QAbstractButton {
  Q_OBJECT

 public:
  PictureBox(const QPixmap& picture, QWidget* parent);
  QSize sizeHint() const override { return picture_.deviceIndependentSize().toSize(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap picture_;
};

}  // namespace zarlin
