// Zarlin's in-process benchmarks. Each prints lines "figure|median|p99|worst|unit":
//   bench_zarlin playback DELAY START_LENGTH RUNS   flash timing of the real windows and timers
//   bench_zarlin playback-cpu DELAY START_LENGTH    the CPU time one playback costs
//   bench_zarlin tone-onset DELAY START_LENGTH PLAYBACKS   when each flash's tone is heard
//   bench_zarlin kernel-wake COUNT                  how late the kernel wakes a timerfd, no Qt
//   bench_zarlin clicks COUNT                       from a mouse press to the dark face painted
//   bench_zarlin engine RUNS                        a whole won game in virtual time
//   bench_zarlin game-memory                        resident memory after a whole won game
#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <poll.h>
#include <sys/timerfd.h>
#include <unistd.h>

#include <ctime>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "desktop/qt_timer.h"
#include "sound/sound.h"
#include "engine/game.h"
#include "tests/support/stand_in_windows.h"
#include "tests/support/virtual_clock.h"
#include "windows/qt_game_windows.h"
#include "windows/tones.h"
#ifdef ZARLIN_SOUND
#include "bench/mix_recorder.h"
#include "sound/tone_samples.h"
#endif

namespace zarlin::bench {

namespace {

struct Figures {
  std::vector<double> values;
  void add(double value) { values.push_back(value); }
  double at(double quantile) {
    std::sort(values.begin(), values.end());
    if (values.empty()) return NAN;
    return values[static_cast<std::size_t>(quantile * double(values.size() - 1) + 0.5)];
  }
  void print(const char* name, const char* unit) {
    std::printf("%s|%.3f|%.3f|%.3f|%s\n", name, at(0.5), at(0.99), at(1.0), unit);
  }
};

Silence silence;

RandomSource::Clock FixedClock() {
  return [] { return std::uint64_t{42}; };
}

// Times when each colour's dark face appears and goes, from the windows' own show and hide.
class FaceWatch : public QObject {
 public:
  FaceWatch(QtGameWindows& windows, const QElapsedTimer& clock) : clock_(clock) {
    for (ColourNumber colour = White; colour <= Black; ++colour) {
      QWidget* dark = windows.ColourSlot(colour).Get().findChild<QLabel*>("picDarkGrey");
      dark->installEventFilter(this);
    }
  }
  std::vector<double> darkAt, lightAt;  // milliseconds, in the order they happen

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    const double now = double(clock_.nsecsElapsed()) / 1e6;
    if (event->type() == QEvent::ShowToParent) darkAt.push_back(now);
    if (event->type() == QEvent::HideToParent) lightAt.push_back(now);
    return false;
  }

 private:
  const QElapsedTimer& clock_;
};

// A new game of startLength colours at the delay, each colour in turn, so that no button is
// flashed again while it is still dark. Returns the playback interval.
double PrepareRound(Game& game, const char* delay, int startLength) {
  game.vars.Delay = std::string(delay);
  game.vars.StartLastIndex = startLength - 1;
  game.NewGame();
  for (std::size_t i = 0; i < game.vars.Sequence.size(); ++i) {
    game.vars.Sequence[i] = static_cast<ColourNumber>(i % 6 + 1);
  }
  return PlaybackInterval(game.vars.Delay, game.constants.BlinkTime);
}

// Plays the round back from its start and returns when it and its last flash are over.
void PlayBack(Game& game, double interval, int startLength) {
  game.PlaySequence(game.vars.SeqLastIndex, game.constants.BlinkTime, game.vars.Delay);
  QEventLoop loop;
  QTimer::singleShot(static_cast<int>(interval * (startLength + 1) + 500), &loop, &QEventLoop::quit);
  loop.exec();
}

// The whole process's: Qt's threads and the sound server's client thread count too.
double ProcessCpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// The CPU a playback costs, silent or sounding through the desktop's sound server.
int PlaybackCpu(const char* delay, int startLength, bool sounding) {
  QtTimerFactory timers;
  RandomSource random(FixedClock());
  const auto sound = sounding ? DesktopSound("Zarlin", "org.example.Zarlin") : std::make_unique<Silence>();
  MainWindow main(timers, random, *sound);
  main.show();
  QEventLoop connecting;  // the sound connects a little after start-up
  QTimer::singleShot(1000, &connecting, &QEventLoop::quit);
  connecting.exec();
  const double interval = PrepareRound(main.game(), delay, startLength);
  const double before = ProcessCpuMilliseconds();
  PlayBack(main.game(), interval, startLength);
  const double cpu = ProcessCpuMilliseconds() - before;
  std::printf("CPU of the playback|%.1f|%.1f|%.1f|ms\n", cpu, cpu, cpu);
  std::printf("CPU per flash|%.3f|%.3f|%.3f|ms\n", cpu / startLength, cpu / startLength,
              cpu / startLength);
  return 0;
}

void Wait(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

#ifdef ZARLIN_SOUND
// How long after each flash of a playback its tone is heard on the sound server's mix: the
// monitor of the null sink named nul, recorded beside the game, against the flash's own time.
// Where the recording misses rewinds (PulseAudio), a tone is found by its end, which is rendered
// once: a tone written into a span the sink renders again would seem to start where the span
// ends. Elsewhere (PipeWire) a tone is found by its start, which a cycle the server skips inside
// the tone does not move. On either, only tones that end on their own count, every one at a
// playback's end and all of them when they are apart, so that the rows compare.
int ToneOnset(const char* delay, int startLength, int playbacks) {
  MixRecorder mix;
  if (!mix.Start("nul.monitor")) {
    std::fprintf(stderr, "tone-onset: no sound server with a sink named nul\n");
    return 1;
  }
  for (int waited = 0; !mix.Hearing() && waited < 5000; waited += 50) Wait(50);
  QtTimerFactory timers;
  RandomSource random(FixedClock());
  const auto sound = DesktopSound("Zarlin", "org.example.Zarlin");
  MainWindow main(timers, random, *sound);
  main.show();
  Wait(1000);  // the sound connects a little after start-up
  const bool byEnd = mix.MissesRewinds();
  Figures heard;
  for (int playback = 0; playback < playbacks; ++playback) {
    sound->GetReady();  // as New Game does
    const double interval = PrepareRound(main.game(), delay, startLength);
    const std::int32_t length = main.game().constants.BlinkTime;
    QElapsedTimer clock;
    FaceWatch watch(main.gameWindows(), clock);
    clock.start();
    const auto start = std::chrono::steady_clock::now();
    PlayBack(main.game(), interval, startLength);
    Wait(300);
    for (std::size_t k = 0; k < watch.darkAt.size(); ++k) {
      if (k + 1 < watch.darkAt.size() && interval < length + 50) continue;
      const Note tone[] = {{Pitch(static_cast<ColourNumber>(k % 6 + 1)), length}};
      const std::vector<std::int16_t> samples = ToneSamples(tone);
      const std::size_t before = byEnd ? samples.size() - 480 : 0;
      const auto lasting = std::chrono::duration_cast<std::chrono::steady_clock::duration>(
          std::chrono::duration<double>(double(before) / SampleRate));
      const auto flash = start + std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                     std::chrono::duration<double, std::milli>(watch.darkAt[k]));
      const auto at = mix.HeardAt(std::span(samples).subspan(before), flash + lasting) - lasting;
      heard.add(std::chrono::duration<double, std::milli>(at - flash).count());
    }
  }
  mix.Stop();
  heard.print("tone heard after the flash", "ms");
  return 0;
}
#endif

// The floor under every figure of the playback: a bare timerfd on an absolute deadline 20 ms
// ahead, and how late poll() returns after it.
int KernelWake(int count) {
  Figures late;
  const int fd = timerfd_create(CLOCK_MONOTONIC, 0);
  for (int i = 0; i < count; ++i) {
    itimerspec deadline{};
    clock_gettime(CLOCK_MONOTONIC, &deadline.it_value);
    deadline.it_value.tv_nsec += 20'000'000;
    if (deadline.it_value.tv_nsec >= 1'000'000'000) {
      deadline.it_value.tv_nsec -= 1'000'000'000;
      ++deadline.it_value.tv_sec;
    }
    timerfd_settime(fd, TFD_TIMER_ABSTIME, &deadline, nullptr);
    pollfd wait{fd, POLLIN, 0};
    poll(&wait, 1, 1000);
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    std::uint64_t expirations = 0;
    if (read(fd, &expirations, sizeof expirations) != sizeof expirations) return 1;
    late.add(double(now.tv_sec - deadline.it_value.tv_sec) * 1e3 +
             double(now.tv_nsec - deadline.it_value.tv_nsec) / 1e6);
  }
  close(fd);
  late.print("wake after the deadline", "ms");
  return 0;
}

int Playback(const char* delay, int startLength, int runs) {
  Figures onset, dark, drift;
  for (int run = 0; run < runs; ++run) {
    QtTimerFactory timers;
    RandomSource random(FixedClock());
    MainWindow main(timers, random, silence);
    main.show();
    Game& game = main.game();
    const double interval = PrepareRound(game, delay, startLength);
    QElapsedTimer clock;
    FaceWatch watch(main.gameWindows(), clock);
    clock.start();
    PlayBack(game, interval, startLength);
    for (int k = 0; k < startLength && k < int(watch.darkAt.size()); ++k) {
      const double error = watch.darkAt[k] - interval * (k + 1);
      onset.add(std::fabs(error));
      if (k < int(watch.lightAt.size())) dark.add(std::fabs(watch.lightAt[k] - watch.darkAt[k] - 200));
      if (k == startLength - 1) drift.add(std::fabs(error));
    }
    if (int(watch.darkAt.size()) != startLength) {
      std::fprintf(stderr, "playback: %zu flashes seen of %d\n", watch.darkAt.size(), startLength);
      return 1;
    }
  }
  onset.print("onset error", "ms");
  dark.print("dark-duration error", "ms");
  drift.print("drift at the last flash", "ms");
  return 0;
}

int Clicks(int count) {
  VirtualClock clock;
  RandomSource random(FixedClock());
  MainWindow main(clock, random, silence);
  main.show();
  Game& game = main.game();
  QtGameWindows& windows = main.gameWindows();
  game.NewGame();
  clock.Advance(1000);
  Figures judged, painted;
  QElapsedTimer timer;
  for (int i = 0; i < count; ++i) {
    if (!game.GameRunning()) {
      game.NewGame();
      clock.Advance(1000);
    }
    const ColourNumber colour = game.vars.Sequence[static_cast<std::size_t>(game.vars.InputIndex)];
    ColourWindow& window = windows.ColourSlot(colour).Get();
    const auto round = game.vars.CurrentRound;
    timer.start();
    QTest::mousePress(window.windowHandle(), Qt::LeftButton, {}, QPoint(24, 24));
    QTest::mouseRelease(window.windowHandle(), Qt::LeftButton, {}, QPoint(24, 24));
    judged.add(double(timer.nsecsElapsed()) / 1e6);
    window.repaint();
    painted.add(double(timer.nsecsElapsed()) / 1e6);
    // The face comes back; after a finished round, its playback plays out first.
    clock.Advance(game.vars.CurrentRound == round
                      ? 200
                      : std::int64_t{400} * (game.vars.SeqLastIndex + 2) + 200);
  }
  judged.print("press to JudgePress done", "ms");
  painted.print("press to dark face painted", "ms");
  return 0;
}

// Kept out of line so that callgrind can count this function alone.
[[gnu::noinline]] int PlayWholeGame() {
  VirtualClock clock;
  RandomSource random(FixedClock());
  testing::StandInWindows windows(clock);
  Game game(windows, clock, random);
  game.NewGame();
  while (game.GameRunning()) {
    clock.Advance(std::int64_t{400} * (game.vars.SeqLastIndex + 2));
    const auto round = game.vars.CurrentRound;
    while (game.GameRunning() && game.vars.CurrentRound == round) {
      const ColourNumber colour = game.vars.Sequence[static_cast<std::size_t>(game.vars.InputIndex)];
      game.FlashColour(colour, game.constants.BlinkTime);
      game.JudgePress(colour);
    }
  }
  return game.vars.Score;
}

int Engine(int runs) {
  Figures wall;
  for (int run = 0; run < runs; ++run) {
    QElapsedTimer timer;
    timer.start();
    if (PlayWholeGame() != 8256) return 1;
    wall.add(double(timer.nsecsElapsed()) / 1e6);
  }
  wall.print("whole won game, virtual time", "ms");
  return 0;
}

long VmHwmKb() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  }
  return -1;
}

int GameMemory() {
  VirtualClock clock;
  RandomSource random(FixedClock());
  MainWindow main(clock, random, silence);
  main.show();
  Game& game = main.game();
  game.NewGame();
  while (game.GameRunning()) {
    clock.Advance(std::int64_t{400} * (game.vars.SeqLastIndex + 2) + 200);
    const auto round = game.vars.CurrentRound;
    while (game.GameRunning() && game.vars.CurrentRound == round) {
      const ColourNumber colour = game.vars.Sequence[static_cast<std::size_t>(game.vars.InputIndex)];
      QWindow* window = main.gameWindows().ColourSlot(colour).Get().windowHandle();
      QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(24, 24));
      QCoreApplication::processEvents();
      clock.Advance(200);
    }
  }
  std::printf("%ld\n", VmHwmKb());
  return game.vars.Score == 8256 ? 0 : 1;
}

}  // namespace

}  // namespace zarlin::bench

int main(int argc, char* argv[]) {
  using namespace zarlin::bench;
  QApplication app(argc, argv);
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "playback" && argc == 5) return Playback(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
  if (mode == "playback-cpu" && (argc == 4 || argc == 5)) {
    return PlaybackCpu(argv[2], std::atoi(argv[3]), argc == 5 && std::string(argv[4]) == "sound");
  }
#ifdef ZARLIN_SOUND
  if (mode == "tone-onset" && argc == 5) return ToneOnset(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
#endif
  if (mode == "kernel-wake" && argc == 3) return KernelWake(std::atoi(argv[2]));
  if (mode == "clicks" && argc == 3) return Clicks(std::atoi(argv[2]));
  if (mode == "engine" && argc == 3) return Engine(std::atoi(argv[2]));
  if (mode == "game-memory") return GameMemory();
  std::fprintf(stderr, "usage: see the top of bench_zarlin.cpp\n");
  return 2;
}
