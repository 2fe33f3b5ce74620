// The colour buttons: their faces, flashes and clicks, where they stand, and how they come back
// after the player closes them.
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class ColourWindowTest : public QObject {
  Q_OBJECT

  static QColor ColourAt(QWidget* window, QPoint point) {
    return window->grab().toImage().pixelColor(point);
  }

 private slots:
  void startsHiddenAtItsPlaceWithItsColourFace() {
    WindowRig rig;
    const std::pair<ColourNumber, QPoint> places[] = {
        {White, {246, 223}}, {Yellow, {191, 223}}, {Red, {136, 223}},
        {Green, {136, 152}}, {Blue, {191, 152}},   {Black, {245, 152}}};
    for (const auto& [colour, place] : places) {
      ColourWindow* window = rig.colourWindow(colour);
      QVERIFY(window != nullptr);
      QVERIFY(!window->isVisible());
      QVERIFY(!window->IsDark());
      QCOMPARE(window->geometry(), QRect(place, QSize(48, 48)));
      QCOMPARE(window->windowType(), Qt::Tool);
      QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint |
                                         Qt::WindowMaximizeButtonHint)));
      QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
      QCOMPARE(window->minimumSize(), window->maximumSize());
    }
  }

  void facesFillTheWindowInTheirColourAndDarkGrey() {
    WindowRig rig;
    const std::pair<ColourNumber, QColor> faces[] = {
        {White, "#ffffff"}, {Yellow, "#ffff00"}, {Red, "#ff0000"},
        {Green, "#00ff00"}, {Blue, "#0000ff"},   {Black, "#000000"}};
    const QPoint spots[] = {{0, 0}, {47, 0}, {0, 47}, {47, 47}, {24, 24}};
    for (const auto& [colour, face] : faces) {
      ColourWindow* window = rig.colourWindow(colour);
      window->show();
      for (QPoint spot : spots) QCOMPARE(ColourAt(window, spot), face);
      rig.game().FlashColour(colour, 200);
      for (QPoint spot : spots) QCOMPARE(ColourAt(window, spot), QColor("#808080"));
    }
  }

  void aClickFlashesForTheBlinkTimeAndIsJudged() {
    WindowRig rig;
    rig.game().NewGame();
    const ColourNumber colour = rig.expected();
    rig.click(colour);
    QVERIFY(rig.colourWindow(colour)->IsDark());
    QCOMPARE(rig.label("lblScoreValue"), QString("1"));
    rig.clock.Advance(199);
    QVERIFY(rig.colourWindow(colour)->IsDark());
    rig.clock.Advance(1);
    QVERIFY(!rig.colourWindow(colour)->IsDark());
    // Each arming gives one tick: once round 2's playback and flashes are over, nothing runs on.
    rig.clock.Advance(1200);
    QCOMPARE(rig.clock.RunningTimers(), 0);
  }

  void twoClicksWithinTheBlinkTimeCountOnce() {
    WindowRig rig;
    rig.game().vars.StartLastIndex = 2;
    rig.game().NewGame();
    rig.game().vars.Sequence[0] = Red;
    rig.game().vars.Sequence[1] = Red;
    rig.click(Red);
    rig.clock.Advance(150);
    rig.click(Red);
    QCOMPARE(rig.game().vars.Score, 1);
    rig.clock.Advance(50);
    rig.click(Red);
    QCOMPARE(rig.game().vars.Score, 2);
  }

  void aClickDuringPlaybackIsJudgedAtOnce() {
    WindowRig rig;
    rig.game().vars.StartLastIndex = 3;
    rig.game().NewGame();
    rig.clock.Advance(400);  // the first flash is showing
    ColourNumber other = rig.game().vars.Sequence[0] == White ? Yellow : White;
    rig.clock.Advance(200);  // and over again: a click now lands on the colour face
    rig.click(other);
    QVERIFY(rig.notice(Notice::GameOver)->isVisible());
    QVERIFY(rig.game().PlaybackTimer().Enabled());
  }

  void aClickOnAButtonDarkFromPlaybackIsLost() {
    WindowRig rig;
    rig.game().NewGame();
    rig.clock.Advance(400);
    const ColourNumber flashing = rig.game().vars.Sequence[0];
    QVERIFY(rig.colourWindow(flashing)->IsDark());
    rig.click(flashing);
    QCOMPARE(rig.game().vars.Score, 0);
    QVERIFY(!rig.notice(Notice::GameOver)->isVisible());
  }

  // The keys 1 to 6 press White, Yellow, Red, Green, Blue and Black, as a click on that face
  // would at that moment, wherever the main window or a colour window is active.
  void keysPressTheButtonsOfTheirNumbers_data() {
    QTest::addColumn<QString>("to");        // the window or box that has the key
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("before");    // what the player did first
    QTest::addColumn<QString>("pressed");   // the button flashed and judged right, if any
    const char* names[] = {"White", "Yellow", "Red", "Green", "Blue", "Black"};
    for (int n = 1; n <= 6; ++n) {
      QTest::addRow("%d", n) << "Main" << Qt::Key_0 + n << 0 << "" << names[n - 1];
    }
    QTest::newRow("keypad 3") << "Main" << int(Qt::Key_3) << int(Qt::KeypadModifier) << "" << "Red";
    QTest::newRow("6 in White") << "White" << int(Qt::Key_6) << 0 << "" << "Black";
    QTest::newRow("held 2") << "Yellow" << int(Qt::Key_2) << 0 << "hold" << "Yellow";
    QTest::newRow("closed") << "Main" << int(Qt::Key_3) << 0 << "close Red" << "";
    QTest::newRow("dark") << "Main" << int(Qt::Key_4) << 0 << "flash Green" << "";
    QTest::newRow("not taking part") << "Main" << int(Qt::Key_6) << 0 << "5 colours" << "";
    QTest::newRow("shown by View") << "Main" << int(Qt::Key_6) << 0 << "5 colours, V_Black" << "Black";
    QTest::newRow("Ctrl") << "Main" << int(Qt::Key_1) << int(Qt::ControlModifier) << "" << "";
    QTest::newRow("Alt") << "Blue" << int(Qt::Key_5) << int(Qt::AltModifier) << "" << "";
    QTest::newRow("options box") << "txtDelay" << int(Qt::Key_5) << 0 << "" << "";
  }
  void keysPressTheButtonsOfTheirNumbers() {
    QFETCH(QString, to);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, before);
    QFETCH(QString, pressed);
    WindowRig rig;
    if (before.startsWith("5 colours")) rig.game().vars.ColourCount = 5;
    rig.game().NewGame();
    if (before.endsWith("V_Black")) rig.trigger("V_Black");
    if (before == "flash Green") rig.game().FlashColour(Green, 200);
    if (before == "close Red") {
      QSignalSpy destroyed(rig.colourWindow(Red), &QObject::destroyed);
      rig.colourWindow(Red)->close();
      QVERIFY(destroyed.wait(1000));
    }
    // The colour window of that name, and its colour.
    const auto named = [&rig](const QString& name) -> std::pair<ColourWindow*, ColourNumber> {
      for (ColourNumber colour = White; colour <= Black; ++colour) {
        ColourWindow* window = rig.colourWindow(colour);
        if (window != nullptr && window->objectName() == name) return {window, colour};
      }
      return {nullptr, NoColour};
    };
    const auto [target, pressedColour] = named(pressed);
    if (target != nullptr) rig.game().vars.Sequence[0] = pressedColour;
    QWidget* receiver = to == "Main" ? static_cast<QWidget*>(&rig.main) : named(to).first;
    if (to == "txtDelay") {
      rig.trigger("G_Options");
      receiver = rig.main.optionsDialog().Existing()->findChild<QLineEdit*>("txtDelay");
    }
    QTest::keyClick(receiver, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (before == "hold") {
      // The repeats of a held key come after its face has turned back to its colour.
      for (int repeat = 0; repeat < 3; ++repeat) {
        rig.clock.Advance(250);
        QKeyEvent held(QEvent::KeyPress, key, Qt::NoModifier, QString::number(key - Qt::Key_0), true);
        QApplication::sendEvent(receiver, &held);
      }
    }
    QCOMPARE(rig.game().vars.Score, pressed.isEmpty() ? 0 : 1);
    QVERIFY(!rig.notice(Notice::GameOver)->isVisible());
    if (target != nullptr && before != "hold") QVERIFY(target->IsDark());
    for (ColourNumber colour = White; colour <= Black; ++colour) {
      if (pressed.isEmpty() && before != "flash Green" && rig.colourWindow(colour)) {
        QVERIFY(!rig.colourWindow(colour)->IsDark());
      }
    }
    if (to == "txtDelay") QCOMPARE(qobject_cast<QLineEdit*>(receiver)->text(), QString("2005"));
  }

  void aButtonShownFromTheViewMenuThatTakesNoPartIsWrong() {
    WindowRig rig;
    rig.game().vars.ColourCount = 3;
    rig.game().NewGame();
    QVERIFY(!rig.colourWindow(Black)->isVisible());
    rig.trigger("V_Black");
    QVERIFY(rig.colourWindow(Black)->isVisible());
    rig.click(Black);
    QVERIFY(rig.colourWindow(Black)->IsDark());
    QVERIFY(rig.notice(Notice::GameOver)->isVisible());
    rig.trigger("V_ShowCurrent");
    QVERIFY(!rig.colourWindow(Black)->isVisible());
  }

  void arrangementShowsTheColoursTakingPartLastOneActive_data() {
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("visible");
    QTest::addColumn<QString>("active");
    QTest::newRow("2") << 2 << "White Yellow" << "Yellow";
    QTest::newRow("3") << 3 << "White Yellow Red" << "Red";
    QTest::newRow("4") << 4 << "White Yellow Red Green" << "Green";
    QTest::newRow("5") << 5 << "White Yellow Red Green Blue" << "Green";
    QTest::newRow("6") << 6 << "White Yellow Red Green Blue Black" << "Black";
    QTest::newRow("7") << 7 << "" << "";
    QTest::newRow("0") << 0 << "" << "";
  }
  void arrangementShowsTheColoursTakingPartLastOneActive() {
    QFETCH(int, count);
    QFETCH(QString, visible);
    QFETCH(QString, active);
    WindowRig rig;
    rig.main.show();
    rig.trigger("V_Black");  // shown by hand: hidden again unless it takes part
    rig.game().vars.ColourCount = static_cast<std::int16_t>(count);
    rig.trigger("V_ShowCurrent");
    QStringList shown;
    for (ColourNumber colour = White; colour <= Black; ++colour) {
      if (rig.colourWindow(colour)->isVisible()) shown << rig.colourWindow(colour)->objectName();
    }
    QCOMPARE(shown.join(' '), visible);
    if (!active.isEmpty()) {
      // Activation reaches the application through the window system's event queue.
      QTRY_VERIFY(QApplication::activeWindow() != nullptr);
      QCOMPARE(QApplication::activeWindow()->objectName(), active);
    }
  }

  void aClosedButtonComesBackAtItsPlaceWithItsColour() {
    WindowRig rig;
    rig.game().NewGame();
    ColourWindow* first = rig.colourWindow(Green);
    first->move(500, 400);
    rig.game().FlashColour(Green, 200);
    first->close();
    QVERIFY(rig.colourWindow(Green) == nullptr || rig.colourWindow(Green) != first);
    QSignalSpy destroyed(first, &QObject::destroyed);
    QVERIFY(destroyed.wait(1000));
    rig.trigger("V_ShowCurrent");
    ColourWindow* again = rig.colourWindow(Green);
    QVERIFY(again->isVisible());
    QCOMPARE(again->geometry().topLeft(), QPoint(136, 152));
    QVERIFY(!again->IsDark());
    QCOMPARE(rig.clock.RunningTimers(), 1);  // the playback's; the closed window's blink is gone
  }

  void aDraggedButtonKeepsItsPlaceAcrossRounds() {
    WindowRig rig;
    rig.game().NewGame();
    rig.colourWindow(Blue)->move(600, 50);
    const QPoint moved = rig.colourWindow(Blue)->pos();
    for (int round = 0; round < 3; ++round) {
      rig.clock.Advance(400 * (rig.game().vars.SeqLastIndex + 2));
      while (rig.game().vars.CurrentRound == round + 1) {
        rig.click(rig.expected());
        rig.clock.Advance(200);
      }
      QCOMPARE(rig.colourWindow(Blue)->pos(), moved);
    }
    QCOMPARE(rig.label("lblRoundValue"), QString("4"));
  }

  void aFlashOnAHiddenOrClosedButtonRunsUnseen() {
    WindowRig rig;
    rig.game().FlashColour(Red, 200);
    QVERIFY(!rig.colourWindow(Red)->isVisible());
    QVERIFY(rig.colourWindow(Red)->IsDark());
    rig.colourWindow(Yellow)->show();
    rig.colourWindow(Yellow)->close();
    rig.game().FlashColour(Yellow, 200);
    QVERIFY(!rig.colourWindow(Yellow)->isVisible());
    QVERIFY(rig.colourWindow(Yellow)->IsDark());
    rig.clock.Advance(200);
    QVERIFY(!rig.colourWindow(Red)->IsDark());
    QVERIFY(!rig.colourWindow(Yellow)->IsDark());
    rig.trigger("V_Yellow");
    QCOMPARE(ColourAt(rig.colourWindow(Yellow), {24, 24}), QColor("#ffff00"));
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::ColourWindowTest)
#include "colour_window_test.moc"
