// Windows read from the right in right-to-left languages. Qt mirrors layouts and menu bars, but
// not a control placed at a rectangle of its own: these stand mirrored within their window.
#pragma once

class QWidget;

namespace zarlin {

// Called once a window's controls stand at their design rectangles (controls added later, before
// it is shown, count too), and before their texts are fitted, which measures them where they
// stand: from then on each stands at its rectangle as the window's direction reads it, mirrored
// within the client area from right to left, again as the window is resized.
void PlaceInReadingDirection(QWidget& window);

}  // namespace zarlin
