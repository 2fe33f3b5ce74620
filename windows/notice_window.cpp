// The game-over and win notices.
#include "notice_window.h"

#include <QLabel>

#include "window_parts/frames.h"
#include "window_parts/mirrored_places.h"
#include "window_parts/readable_texts.h"
#include "window_parts/twips.h"

namespace zarlin {

const NoticeDesign GameOverDesign = {
    "GameOver", QT_TRANSLATE_NOOP("zarlin::NoticeWindow", "Game Over"), "lblGameOver",
    QT_TRANSLATE_NOOP("zarlin::NoticeWindow", "Sorry, Game Over"), TwipsRect(240, 240, 2175, 255)};
const NoticeDesign WinDesign = {
    "Win", QT_TRANSLATE_NOOP("zarlin::NoticeWindow", "You Win"), "lblWin",
    QT_TRANSLATE_NOOP("zarlin::NoticeWindow", "Congratulations You Win!!"),
    TwipsRect(240, 240, 2175, 375)};

NoticeWindow::NoticeWindow(const NoticeDesign& design) : QWidget(nullptr, ClosableFrame) {
  setObjectName(design.name);
  setWindowTitle(tr(design.caption));
  setFixedSize(TwipsSize(4680, 3195));
  auto* label = new QLabel(tr(design.text), this);
  label->setObjectName(design.labelName);
  label->setGeometry(design.labelRect);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  FitTextsWhenShown(*this);
  PlaceInReadingDirection(*this);
}

}  // namespace zarlin
