// The frames the game's windows stand in, where Qt's defaults are not the design's.
#pragma once

#include <Qt>

namespace zarlin {

// A title bar with the system menu and a close box, and no other box unless one is added: the
// frame of the notices, the options dialog and the information dialogs.
inline constexpr Qt::WindowFlags ClosableFrame = Qt::Window | Qt::CustomizeWindowHint |
                                                 Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                 Qt::WindowCloseButtonHint;

}  // namespace zarlin
