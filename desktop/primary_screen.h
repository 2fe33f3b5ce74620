// The screen the game's windows stand on: the primary one, where the desktop puts its task bar
// and where a player looks first. The colour buttons are placed from its top-left corner and the
// main window at its centre, so that on two monitors they are all on the same one.
#pragma once

#include <QPoint>
#include <QRect>

namespace zarlin {

// The primary screen's top-left corner on the desktop; the origin while no screen is known (a
// compositor with no outputs yet).
QPoint PrimaryScreenOrigin();

// The part of the primary screen that windows may use (without the desktop's panels); empty
// while no screen is known.
QRect PrimaryScreenArea();

}  // namespace zarlin
