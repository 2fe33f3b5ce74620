// The colour button windows: their faces, their flash and their click.
#include "colour_window.h"

#include <QLabel>

#include "window_parts/picture_box.h"
#include "window_parts/pictures.h"
#include "desktop/primary_screen.h"
#include "desktop/window_manager_hints.h"

namespace zarlin {

namespace {

constexpr QSize FaceSize = TwipsSize(720, 720);

}  // namespace

ColourWindow::ColourWindow(const ColourDesign& design, Game& game, TimerFactory& timers)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      number_(design.number),
      game_(game),
      picColour_(new PictureBox(Picture(design.face), this)),
      picDarkGrey_(new QLabel(this)),
      tmrBlink_(timers.MakeTimer([this] { tmrBlink_Timer(); })) {
  setObjectName(design.name);
  setWindowTitle(tr(design.name));
  picColour_->setObjectName(QString("pic") + design.name);
  picColour_->setGeometry(QRect(QPoint(0, 0), FaceSize));
  picColour_->setAccessibleName(tr(design.name));
  //: What a screen reader says of a colour button: the key on the keyboard that presses it.
  picColour_->setAccessibleDescription(tr("Key %1").arg(design.number));
  picDarkGrey_->setObjectName("picDarkGrey");
  picDarkGrey_->setPixmap(Picture("dark_grey_face.xpm"));
  picDarkGrey_->setGeometry(QRect(QPoint(0, 0), FaceSize));
  picDarkGrey_->hide();
  connect(picColour_, &PictureBox::clicked, this, &ColourWindow::picColour_Click);

  // Form_Load: the blink timer starts disabled, as every new timer does.

  setGeometry(QRect(PrimaryScreenOrigin() + design.position, FaceSize));
  setFixedSize(FaceSize);
  StandAlone(*this);
}

ColourWindow::~ColourWindow() = default;

void ColourWindow::Flash(std::int32_t milliseconds) {
  picColour_->hide();
  picDarkGrey_->show();
  tmrBlink_->SetInterval(milliseconds);
  tmrBlink_->SetEnabled(true);
}

bool ColourWindow::IsDark() const { return picDarkGrey_->isVisibleTo(this); }

void ColourWindow::PressFace() {
  if (!IsDark()) picColour_->click();
}

void ColourWindow::picColour_Click() {
  game_.FlashColour(number_, game_.constants.BlinkTime);
  game_.JudgePress(number_);
}

void ColourWindow::tmrBlink_Timer() {
  picColour_->show();
  picDarkGrey_->hide();
  tmrBlink_->SetEnabled(false);
}

}  // namespace zarlin
