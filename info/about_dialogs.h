// The two about dialogs with pictures: About Zarlin, whose program picture and maker's logo
// swap places when clicked, and About Quorvel Software, which shows the logo.
#pragma once

#include <cstdint>

#include "info_dialog.h"

class QLabel;

namespace zarlin {

class PictureBox;

class AboutZarlinDialog : public InfoDialog {
  Q_OBJECT

 public:
  AboutZarlinDialog();
  // 0 while the program picture shows, 1 while the maker's logo shows.
  std::int16_t LogoShown() const { return LogoShown_; }

 private:
  void Form_Load();
  void icnZarlin_Click();
  void icnQuorvel_Click();

  PictureBox* icnZarlin_;
  PictureBox* icnQuorvel_;
  std::int16_t LogoShown_ = 0;
};

class AboutQuorvelDialog : public InfoDialog {
  Q_OBJECT

 public:
  AboutQuorvelDialog();

 private:
  QLabel* icnQuorvel_;
};

}  // namespace zarlin
