// Every text of a window readable in the desktop's default font. The windows' rectangles are
// fixed, and were drawn for a smaller default font than many desktops use: where a text would
// be cut or drawn over another, the window's texts take a smaller size of the same family.
#pragma once

class QWidget;

namespace zarlin {

// Called once a window's controls stand at their places: keeps the default size where every
// text lies inside its own rectangle and the window and overlaps no other; otherwise gives the
// window's texts the largest smaller size, in quarter points, at which they all do, and never
// less than 7 points: a translation that needs less is too long. Text boxes and menus keep the
// default size.
void FitTexts(QWidget& window);

// The same, as the window is first shown, before it is drawn: for the windows made hidden at
// start-up, many of which are never shown, so that measuring their texts costs the start nothing.
void FitTextsWhenShown(QWidget& window);

}  // namespace zarlin
