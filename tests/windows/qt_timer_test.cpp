// The real-clock timers: ticks on their schedule and never before it, and the ways a tick may
// change or end its own timer.
#include <QElapsedTimer>
#include <QTest>
#include <vector>

#include "windows/qt_timer.h"

namespace zarlin {

class QtTimerTest : public QObject {
  Q_OBJECT

 private slots:
  void tickKIsNeverBeforeKIntervalsFromTheStart() {
    QtTimerFactory timers;
    QElapsedTimer clock;
    std::vector<qint64> ticks;
    auto timer = timers.MakeTimer([&] { ticks.push_back(clock.nsecsElapsed()); });
    clock.start();
    timer->SetInterval(7);
    timer->SetEnabled(true);
    QTRY_VERIFY(ticks.size() >= 10);
    for (std::size_t k = 0; k < ticks.size(); ++k) {
      QVERIFY2(ticks[k] >= qint64(k + 1) * 7'000'000, qPrintable(QString::number(k)));
    }
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
