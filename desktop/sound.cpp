// The sound the program is built with.
#include "sound.h"

#ifdef ZARLIN_SOUND
#include "pulse_sound.h"
#endif

namespace zarlin {

std::unique_ptr<Sound> DesktopSound(std::string_view application, std::string_view icon) {
#ifdef ZARLIN_SOUND
  return std::make_unique<PulseSound>(std::string(application), std::string(icon));
#else
  (void)application;
  (void)icon;
  return std::make_unique<Silence>();
#endif
}

}  // namespace zarlin
