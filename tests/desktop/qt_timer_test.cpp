// The real clock: timers that tick on their schedule and never before it, at the shortest and
// the longest interval, through a suspended process, and the ways a tick may change or end its
// own timer or another one; and the clock readings that make every run draw other sequences.
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <sys/resource.h>

#include <csignal>
#include <unistd.h>
#include <vector>

#include "engine/game.h"
#include "desktop/qt_timer.h"
#include "desktop/system_clock.h"

namespace zarlin {

class QtTimerTest : public QObject {
  Q_OBJECT

 private slots:
  // Also a timer made when the process has no file left for the kernel's timer.
  void tickKIsNeverBeforeKIntervalsFromTheStart_data() {
    QTest::addColumn<int>("interval");
    QTest::addColumn<bool>("outOfFiles");
    QTest::newRow("1 ms") << 1 << false;
    QTest::newRow("7 ms") << 7 << false;
    QTest::newRow("7 ms, out of files") << 7 << true;
  }
  void tickKIsNeverBeforeKIntervalsFromTheStart() {
    QFETCH(int, interval);
    QFETCH(bool, outOfFiles);
    rlimit files{};
    getrlimit(RLIMIT_NOFILE, &files);
    std::vector<int> taken;
    if (outOfFiles) {
#ifdef __SANITIZE_ADDRESS__
      QSKIP("the sanitizers' own checks need files to read the memory");
#endif
      const rlimit few{64, files.rlim_max};
      setrlimit(RLIMIT_NOFILE, &few);
      for (int fd = dup(0); fd >= 0; fd = dup(0)) taken.push_back(fd);
    }
    QtTimerFactory timers;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    auto timer = timers.MakeTimer([&] { ticks.push_back(clock.nsecsElapsed()); });
    for (int fd : taken) close(fd);
    setrlimit(RLIMIT_NOFILE, &files);
    clock.start();
    timer->SetInterval(interval);
    timer->SetEnabled(true);
    QTRY_VERIFY(ticks.size() >= 10);
    for (std::size_t k = 0; k < ticks.size(); ++k) {
      QVERIFY2(ticks[k] >= qint64(k + 1) * interval * 1'000'000, qPrintable(QString::number(k)));
    }
  }

  void theLongestIntervalIsTakenAndWaitedFor() {
    QtTimerFactory timers;
    int ticks = 0;
    auto timer = timers.MakeTimer([&] { ++ticks; });
    timer->SetInterval(2'147'483'647);
    timer->SetEnabled(true);
    QTest::qWait(30);
    QCOMPARE(ticks, 0);
    QVERIFY(timer->Enabled());
  }

  // Three seconds stopped: the timer goes on from a fresh schedule, not with the 300 ticks missed.
  void aSuspendedProcessResumesWithoutABurst() {
    QtTimerFactory timers;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    auto timer = timers.MakeTimer([&] { ticks.push_back(clock.elapsed()); });
    clock.start();
    timer->SetInterval(10);
    timer->SetEnabled(true);
    QTRY_VERIFY(ticks.size() >= 3);
    QVERIFY(QProcess::startDetached(
        "sh", {"-c", QString("sleep 3; kill -CONT %1").arg(QCoreApplication::applicationPid())}));
    std::raise(SIGSTOP);
    const qint64 resumed = clock.elapsed();
    QVERIFY(resumed >= 2900);
    const auto after = [&] {
      return std::count_if(ticks.begin(), ticks.end(), [&](qint64 t) { return t >= resumed; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(after() >= 2, 10000);
    // Never more ticks than intervals have passed since the process went on, and a few to spare
    // for a loaded machine: the missed ones came in a burst of 300.
    const qint64 intervals = (clock.elapsed() - resumed) / 10;
    QVERIFY2(after() <= intervals + 3, qPrintable(QString("%1 ticks in %2 intervals").arg(after()).arg(intervals)));
  }

  // Two timers fall due while the loop is busy; the first tick stops the other, whose wake is
  // already on its way.
  void aWakeAlreadyDueNeverTicksAStoppedTimer_data() {
    QTest::addColumn<int>("stop");
    QTest::newRow("disabled") << 0;
    QTest::newRow("destroyed") << 1;
    QTest::newRow("given a long interval") << 2;
  }
  void aWakeAlreadyDueNeverTicksAStoppedTimer() {
    QFETCH(int, stop);
    QtTimerFactory timers;
    int ticks = 0;
    std::unique_ptr<Timer> pair[2];
    for (int i = 0; i < 2; ++i) {
      pair[i] = timers.MakeTimer([&, other = 1 - i] {
        ++ticks;
        pair[0]->SetEnabled(false);
        pair[1]->SetEnabled(false);
        if (stop == 1) pair[other].reset();
        if (stop == 2 && pair[other]) {
          pair[other]->SetEnabled(true);
          pair[other]->SetInterval(60'000);
        }
      });
      pair[i]->SetInterval(1);
      pair[i]->SetEnabled(true);
    }
    QElapsedTimer busy;
    busy.start();
    while (busy.elapsed() < 5) {
    }
    QTest::qWait(30);
    QCOMPARE(ticks, 1);
  }

  void aTickMayStopOrDestroyItsTimer() {
    QtTimerFactory timers;
    int stopped = 0;
    std::unique_ptr<Timer> stopping;
    stopping = timers.MakeTimer([&] {
      ++stopped;
      stopping->SetEnabled(false);
    });
    int destroyed = 0;
    std::unique_ptr<Timer> destroying;
    destroying = timers.MakeTimer([&] {
      ++destroyed;
      destroying.reset();
    });
    for (Timer* timer : {stopping.get(), destroying.get()}) {
      timer->SetInterval(2);
      timer->SetEnabled(true);
    }
    QTRY_VERIFY(destroying == nullptr);
    QTest::qWait(20);  // time for further ticks, were there to be any
    QCOMPARE(stopped, 1);
    QCOMPARE(destroyed, 1);
    QVERIFY(!stopping->Enabled());
  }

  // Two random sources on the system clock, as two runs of the game make them, draw apart.
  void twoRunsDrawDifferentSequences() {
    std::vector<ColourNumber> drawn[2];
    for (auto& sequence : drawn) {
      RandomSource random(SystemClockReading);
      for (int i = 0; i < 16; ++i) {
        random.Reseed();
        sequence.push_back(ColourForDraw(random.Next(), 6));
      }
      QTest::qSleep(2);
    }
    QVERIFY(drawn[0] != drawn[1]);
  }

  void intervalZeroAndDisabledTimersNeverTick() {
    QtTimerFactory timers;
    int ticks = 0;
    auto zero = timers.MakeTimer([&] { ++ticks; });
    zero->SetEnabled(true);
    auto disabled = timers.MakeTimer([&] { ++ticks; });
    disabled->SetInterval(1);
    QTest::qWait(20);
    QCOMPARE(ticks, 0);
  }
};

}  // namespace zarlin

QTEST_MAIN(zarlin::QtTimerTest)
#include "qt_timer_test.moc"
