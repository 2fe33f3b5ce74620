// The five information dialogs of the Info menu, one instance each for the whole program.
#pragma once

#include "about_dialogs.h"
#include "info_dialog.h"
#include "window_parts/window_slot.h"

namespace zarlin {

class InfoDialogs {
 public:
  InfoDialogs();

  // Start-up: AboutZarlin, AboutAuthor, AboutQuorvel, License and Rules, each hidden at once.
  void Create();

  WindowSlot<InfoDialog> Rules;
  WindowSlot<AboutZarlinDialog> AboutZarlin;
  WindowSlot<AboutQuorvelDialog> AboutQuorvel;
  WindowSlot<InfoDialog> AboutAuthor;
  WindowSlot<InfoDialog> License;
};

}  // namespace zarlin
