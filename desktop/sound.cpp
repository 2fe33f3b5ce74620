// The sound the program is built with: silence, or the libpulse module, loaded a moment after
// start-up.
#include "sound.h"

#ifdef ZARLIN_SOUND
#include <dlfcn.h>

#include <QCoreApplication>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <string>
#endif

namespace zarlin {

namespace {

#ifdef ZARLIN_SOUND

// Long enough for the first window to be on the screen, well before a player can start a game.
constexpr std::chrono::milliseconds LoadAfter{250};

// Where the module stands beside the program: lib/games/zarlin/ next to games/ when installed, and
// next to app/, tests/ and bench/ in a build folder.
std::string ModulePath() {
  return QCoreApplication::applicationDirPath().toStdString() + "/../lib/games/zarlin/" ZARLIN_SOUND_MODULE;
}

// Silent until the module is loaded and has made the sound it plays through.
class LoadedSound final : public Sound {
 public:
  LoadedSound(std::string application, std::string icon)
      : application_(std::move(application)), icon_(std::move(icon)) {
    QTimer::singleShot(LoadAfter, &whileAlive_, [this] { Load(); });
  }

  void Play(std::span<const Note> notes) override {
    if (loaded_) loaded_->Play(notes);
  }
  void GetReady() override {
    if (loaded_) loaded_->GetReady();
  }

 private:
  void Load() {
    // Never unloaded: its thread and its libraries live as long as the program.
    void* module = dlopen(ModulePath().c_str(), RTLD_NOW | RTLD_LOCAL);
    using Make = Sound* (*)(const char*, const char*);
    const auto make = module != nullptr ? reinterpret_cast<Make>(dlsym(module, "ZarlinPulseSound")) : nullptr;
    if (make == nullptr) {
      std::fprintf(stderr, "zarlin: playing without sound: %s\n", dlerror());
      return;
    }
    loaded_.reset(make(application_.c_str(), icon_.c_str()));
  }

  const std::string application_;
  const std::string icon_;
  QObject whileAlive_;
  std::unique_ptr<Sound> loaded_;
};

#endif

}  // namespace

std::unique_ptr<Sound> DesktopSound(std::string_view application, std::string_view icon) {
#ifdef ZARLIN_SOUND
  return std::make_unique<LoadedSound>(std::string(application), std::string(icon));
#else
  (void)application;
  (void)icon;
  return std::make_unique<Silence>();
#endif
}

}  // namespace zarlin
