// What the program and its sound module agree on: the one function the program looks up in the
// module. Its name carries the agreement's version, so that an older module left on disk is
// refused, not called.
#pragma once

#include "sound.h"

// Makes the module's sound, listed in the desktop's mixer by the application's name and icon;
// null where the module cannot play, which it has said on standard error.
#define ZARLIN_SOUND_MODULE_ENTRY ZarlinSoundModule2

namespace zarlin {

using MakeModuleSound = Sound* (*)(const char* application, const char* icon);

#define ZARLIN_NAME_OF(symbol) ZARLIN_NAME_OF_EXPANDED(symbol)
#define ZARLIN_NAME_OF_EXPANDED(symbol) #symbol
inline constexpr char SoundModuleEntry[] = ZARLIN_NAME_OF(ZARLIN_SOUND_MODULE_ENTRY);

}  // namespace zarlin
