// What the five information dialogs have in common.
#include "info_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "window_parts/frames.h"
#include "window_parts/mirrored_places.h"
#include "window_parts/readable_texts.h"

namespace zarlin {

InfoDialog::InfoDialog(const InfoDesign& design)
    : QDialog(nullptr, ClosableFrame | Qt::WindowMinimizeButtonHint |
                           (design.maximiseBox ? Qt::WindowMaximizeButtonHint : Qt::Widget)),
      hasOk_(design.ok.has_value()) {
  setObjectName(design.name);
  setWindowTitle(design.caption);
  resize(design.clientSize);
  if (design.ok) {
    auto* ok = new QPushButton(tr("Ok"), this);
    ok->setObjectName("Ok");
    ok->setGeometry(*design.ok);
    connect(ok, &QPushButton::clicked, this, &QWidget::hide);
  }
  for (const LabelDesign& label : design.labels) {
    auto* text = new QLabel(label.text, this);
    text->setObjectName(label.name);
    text->setGeometry(label.rect);
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text->setWordWrap(true);
  }
  FitTextsWhenShown(*this);
  PlaceInReadingDirection(*this);
}

// Esc does what Ok does; Rules, which has no button, closes only by its close box.
void InfoDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && !hasOk_) {
    event->ignore();
    return;
  }
  QDialog::keyPressEvent(event);
}

}  // namespace zarlin
