// About Zarlin and About Quorvel Software.
#include "about_dialogs.h"

#include <QLabel>

#include "info_texts.h"
#include "window_parts/picture_box.h"
#include "window_parts/pictures.h"
#include "window_parts/twips.h"

namespace zarlin {

AboutZarlinDialog::AboutZarlinDialog()
    : InfoDialog(AboutZarlinDesign()),
      icnZarlin_(new PictureBox(Picture("zarlin_picture.xpm"), this)),
      icnQuorvel_(new PictureBox(Picture("quorvel_logo.xpm"), this)) {
  // Both pictures share the centre 600 twips from the client area's left and top edges.
  icnZarlin_->setObjectName("icnZarlin");
  icnZarlin_->setGeometry(TwipsRect(360, 360, 480, 480));
  icnZarlin_->setAccessibleName("Zarlin");
  icnQuorvel_->setObjectName("icnQuorvel");
  icnQuorvel_->setGeometry(TwipsRect(240, 240, 720, 720));
  icnQuorvel_->setAccessibleName("Quorvel Software");
  connect(icnZarlin_, &PictureBox::clicked, this, &AboutZarlinDialog::icnZarlin_Click);
  connect(icnQuorvel_, &PictureBox::clicked, this, &AboutZarlinDialog::icnQuorvel_Click);
  Form_Load();
}

void AboutZarlinDialog::Form_Load() {
  LogoShown_ = 0;
  icnQuorvel_->hide();
  icnZarlin_->show();
}

void AboutZarlinDialog::icnZarlin_Click() {
  if (LogoShown_ != 0) return;
  icnZarlin_->hide();
  icnQuorvel_->show();
  LogoShown_ = 1;
}

void AboutZarlinDialog::icnQuorvel_Click() {
  if (LogoShown_ != 1) return;
  icnQuorvel_->hide();
  icnZarlin_->show();
  LogoShown_ = 0;
}

AboutQuorvelDialog::AboutQuorvelDialog()
    : InfoDialog(AboutQuorvelDesign()), icnQuorvel_(new QLabel(this)) {
  icnQuorvel_->setObjectName("icnQuorvel");
  icnQuorvel_->setPixmap(Picture("quorvel_logo.xpm"));
  icnQuorvel_->setGeometry(TwipsRect(240, 240, 720, 720));
  icnQuorvel_->setAccessibleName("Quorvel Software");
  icnQuorvel_->show();
}

}  // namespace zarlin
