// The game's window operations carried out on the real windows.
#include "qt_game_windows.h"

#include <QLabel>

namespace zarlin {

QtGameWindows::QtGameWindows(QLabel& lblRoundValue, QLabel& lblScoreValue)
    : lblRoundValue_(lblRoundValue), lblScoreValue_(lblScoreValue) {}

void QtGameWindows::ArrangeButtons(std::int16_t) {}
void QtGameWindows::FlashButton(ColourNumber, std::int32_t) {}

void QtGameWindows::SetRoundValue(const std::string& caption) {
  lblRoundValue_.setText(QString::fromStdString(caption));
}

void QtGameWindows::SetScoreValue(const std::string& caption) {
  lblScoreValue_.setText(QString::fromStdString(caption));
}

void QtGameWindows::ShowNotice(Notice) {}
void QtGameWindows::HideNotice(Notice) {}

}  // namespace zarlin
