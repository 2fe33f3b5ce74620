// The end-of-game notices: a small window with one fixed line of text, shown modeless beside
// the game, which goes on.
#pragma once

#include <QRect>
#include <QWidget>

namespace zarlin {

struct NoticeDesign {
  const char* name;
  const char* caption;  // caption and text before translation
  const char* labelName;
  const char* text;
  QRect labelRect;
};

class NoticeWindow : public QWidget {
  Q_OBJECT

 public:
  explicit NoticeWindow(const NoticeDesign& design);
};

extern const NoticeDesign GameOverDesign;
extern const NoticeDesign WinDesign;

}  // namespace zarlin
