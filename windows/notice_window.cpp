// The game-over and win notices.
#include "notice_window.h"

#include <QLabel>

#include "window_parts/frames.h"
#include "window_parts/readable_texts.h"
#include "window_parts/twips.h"

namespace zarlin {

const NoticeDesign GameOverDesign = {"GameOver", "Game Over", "lblGameOver", "Sorry, Game Over",
                                     TwipsRect(240, 240, 2175, 255)};
const NoticeDesign WinDesign = {"Win", "You Win", "lblWin", "Congratulations You Win!!",
                                TwipsRect(240, 240, 2175, 375)};

NoticeWindow::NoticeWindow(const NoticeDesign& design)
    : QWidget(nullptr, ClosableFrame) {
  setObjectName(design.name);
  setWindowTitle(design.caption);
  setFixedSize(TwipsSize(4680, 3195));
  auto* label = new QLabel(design.text, this);
  label->setObjectName(design.labelName);
  label->setGeometry(design.labelRect);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  FitTextsWhenShown(*this);
}

}  // namespace zarlin
