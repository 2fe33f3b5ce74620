// Watches the six colour buttons on an X screen and prints, one word each, the colours whose
// face turns dark grey, in the order they do: "watch_flashes 3" waits for three flashes, then
// watches a little longer for any that should not come. It gives up, with status 1, when half a
// minute passes without a flash, so that neither a long playback nor a slow machine fails it.
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <cstdio>

namespace {

struct Button {
  const char* name;
  QPoint centre;  // on the screen, where each button's client area stands at start
};

constexpr Button Buttons[] = {{"White", {270, 247}}, {"Yellow", {215, 247}},
                              {"Red", {160, 247}},   {"Green", {160, 176}},
                              {"Blue", {215, 176}},  {"Black", {269, 176}}};

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const int wanted = argc > 1 ? QString(argv[1]).toInt() : 1;
  constexpr qint64 GiveUp = 30'000;
  constexpr qint64 Afterwards = 600;  // longer than a playback interval at the start-up delay
  QScreen* screen = QGuiApplication::primaryScreen();
  bool dark[6] = {};
  int seen = 0;
  QElapsedTimer clock;
  clock.start();
  qint64 until = GiveUp;
  while (clock.elapsed() < until) {
    const QImage shot = screen->grabWindow(0, 130, 150, 170, 130).toImage();
    for (int i = 0; i < 6; ++i) {
      const bool nowDark = shot.pixelColor(Buttons[i].centre - QPoint(130, 150)) == QColor(0x80, 0x80, 0x80);
      if (nowDark && !dark[i]) {
        std::printf("%s\n", Buttons[i].name);
        ++seen;
        until = clock.elapsed() + (seen >= wanted ? Afterwards : GiveUp);
      }
      dark[i] = nowDark;
    }
    std::fflush(stdout);
    QThread::msleep(10);
  }
  return seen >= wanted ? 0 : 1;
}
