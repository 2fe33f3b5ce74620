// The sound the program is built with: silence, or the libpulse module, loaded a moment after
// start-up on a thread of its own.
#include "sound.h"

#ifdef ZARLIN_SOUND
#include <dlfcn.h>

#include <QCoreApplication>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>

#include "sound_module.h"
#endif

namespace zarlin {

namespace {

#ifdef ZARLIN_SOUND

// Long enough for the first window to be on the screen, well before a player can start a game:
// loading libpulse and its libraries would compete with the first paint for the processor.
constexpr std::chrono::milliseconds LoadAfter{250};

// Silent until the module is loaded and has made the sound it plays through. Loading it (about
// 9 ms) and everything it does with the sound server stay off the user-interface thread.
class LoadedSound final : public Sound {
 public:
  LoadedSound(std::string application, std::string icon)
      : loading_([this, application = std::move(application), icon = std::move(icon),
                  path = QCoreApplication::applicationDirPath().toStdString() + "/" ZARLIN_SOUND_MODULE](
                     std::stop_token stop) { Load(stop, path, application, icon); }) {}
  ~LoadedSound() override {
    loading_.request_stop();
    loading_.join();
    delete loaded_.load();
  }
  LoadedSound(const LoadedSound&) = delete;
  LoadedSound& operator=(const LoadedSound&) = delete;

  void Play(std::span<const Note> notes) override {
    if (Sound* loaded = loaded_.load(std::memory_order_acquire)) loaded->Play(notes);
  }
  void GetReady() override {
    if (Sound* loaded = loaded_.load(std::memory_order_acquire)) loaded->GetReady();
  }

 private:
  void Load(const std::stop_token& stop, const std::string& path, const std::string& application,
            const std::string& icon) {
    std::mutex mutex;
    std::unique_lock lock(mutex);
    std::condition_variable_any().wait_for(lock, stop, LoadAfter, [] { return false; });
    if (stop.stop_requested()) return;
    // Never unloaded: its thread and its libraries live as long as the program.
    void* module = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    const auto make = module != nullptr ? reinterpret_cast<MakeModuleSound>(dlsym(module, SoundModuleEntry)) : nullptr;
    if (make == nullptr) {
      std::fprintf(stderr, "zarlin: playing without sound: %s\n", dlerror());
      return;
    }
    loaded_.store(make(application.c_str(), icon.c_str()), std::memory_order_release);
  }

  std::atomic<Sound*> loaded_{nullptr};
  std::jthread loading_;  // last: it starts once the rest is made
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
