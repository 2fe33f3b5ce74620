// The main window as the player sees it: captions, counters, menus and the ways out.
#include <QLabel>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>

#include "support/window_rig.h"

namespace zarlin::testing {

class MainWindowTest : public QObject {
  Q_OBJECT

  using Rig = WindowRig;

 private slots:
  void startsWithTheDesignCaptionsAndSettings() {
    Rig rig;
    rig.main.show();
    QCOMPARE(rig.main.windowTitle(), QString("Zarlin"));
    QCOMPARE(rig.main.centralWidget()->size(), QSize(238, 59));
    // Centred on the screen, give or take its frame, which is drawn around the client area.
    const QPoint off = rig.main.geometry().center() - rig.main.screen()->availableGeometry().center();
    QVERIFY2(off.manhattanLength() <= 8, "the window starts away from the centre of the screen");
    const std::tuple<const char*, const char*, QRect> labels[] = {
        {"lblRound", "Round:", {16, 8, 41, 17}},
        {"lblRoundValue", "1", {64, 8, 177, 17}},
        {"lblScore", "Score:", {16, 32, 41, 17}},
        {"lblScoreValue", "0", {64, 32, 177, 17}}};
    for (const auto& [name, caption, rect] : labels) {
      const auto* label = rig.main.findChild<QLabel*>(name);
      QVERIFY2(label != nullptr, name);
      QCOMPARE(label->text(), QString(caption));
      QCOMPARE(label->geometry(), rect);
    }
    const auto& vars = rig.main.game().vars;
    QCOMPARE(vars.ColourCount, 6);
    QCOMPARE(std::get<std::int16_t>(vars.Delay), 200);
    QCOMPARE(vars.StartLastIndex, 0.0);
    QCOMPARE(vars.SequentialPatterns, True);
    QCOMPARE(rig.main.game().constants.MaxSeqIndex, 127);
    QCOMPARE(rig.main.game().constants.BlinkTime, 200);
    QVERIFY(!rig.main.game().GameRunning());
  }

  void carriesTheWholeMenuTreeInOrder() {
    Rig rig;
    QStringList tree;
    const auto walk = [&tree](const auto& self, const QList<QAction*>& actions,
                              const QString& indent) -> void {
      for (QAction* action : actions) {
        QVERIFY(!action->isSeparator());
        QVERIFY(action->isEnabled() && action->isVisible());
        QString line = indent + action->text();
        if (!action->shortcut().isEmpty()) line += " " + action->shortcut().toString();
        if (action->isCheckable()) line += action->isChecked() ? " checked" : " unchecked";
        tree << line;
        if (action->menu() != nullptr) self(self, action->menu()->actions(), indent + "  ");
      }
    };
    walk(walk, rig.main.menuBar()->actions(), "");
    const QStringList expected = {
        "&File", "  &New Game Ctrl+N", "  &Exit Ctrl+Q",
        "&View", "  &White", "  &Yellow", "  &Red", "  &Green", "  Bl&ue", "  Bl&ack",
        "  &Show Current Buttons",
        "&Game", "  &Options...", "  &Sound Ctrl+M checked",
        "&Info", "  &Rules", "  &About", "    &Zarlin", "    &Quorvel", "    &Author",
        "  &License"};
    QCOMPARE(tree, expected);
  }

  // Every tune the game asks for, in order: each note as pitch/milliseconds, "cut" for silence.
  void soundsWhatItFlashesAndEachEndOfAGame() {
    const auto heard = [](const RecordingSound& sound) {
      QStringList tunes;
      for (const std::vector<Note>& tune : sound.tunes) {
        QStringList notes;
        for (const Note& note : tune) notes << QString("%1/%2").arg(note.hertz).arg(note.milliseconds);
        tunes << (notes.isEmpty() ? QString("cut") : notes.join("+"));
      }
      return tunes.join(" ");
    };
    const auto key = [](Rig& rig, int number) { QTest::keyClick(&rig.main, Qt::Key(Qt::Key_0 + number)); };
    constexpr int Playback = 6 * 400 + 200;
    const std::tuple<const char*, std::function<void(Rig&)>, const char*> rows[] = {
        {"the playback, White to Black", [](Rig& rig) { rig.clock.Advance(Playback); },
         "523.25/200 587.33/200 659.26/200 783.99/200 880/200 1046.5/200"},
        {"a key, then a key on the dark face",
         [&](Rig& rig) { rig.clock.Advance(Playback); rig.sound.tunes.clear(); key(rig, 1); key(rig, 1); },
         "523.25/200"},
        {"a click, then a click on the dark face",
         [](Rig& rig) { rig.clock.Advance(Playback); rig.sound.tunes.clear(); rig.click(White); rig.click(White); },
         "523.25/200"},
        {"Sound unchecked, then checked again",
         [&](Rig& rig) {
           rig.trigger("G_Sound");
           rig.clock.Advance(Playback);
           key(rig, 1);
           rig.trigger("G_Sound");
           key(rig, 2);
         },
         "cut 587.33/200"},
        {"a wrong key: the game over",
         [&](Rig& rig) { rig.clock.Advance(Playback); rig.sound.tunes.clear(); key(rig, 2); },
         "587.33/200 196/500"},
        {"the win", [](Rig& rig) { rig.game().ShowWin(); },
         "523.25/120+659.26/120+783.99/120+1046.5/360"},
    };
    for (const auto& [name, play, expected] : rows) {
      Rig rig;
      rig.game().vars.StartLastIndex = 5;
      rig.trigger("F_NewGame");
      for (ColourNumber colour = White; colour <= Black; ++colour) {
        rig.game().vars.Sequence[ColourIndex(colour)] = colour;
      }
      play(rig);
      QVERIFY2(heard(rig.sound) == expected, qPrintable(QString("%1: heard %2").arg(name, heard(rig.sound))));
    }
  }

  void newGameResetsTheCountersAtAnyTime() {
    Rig rig;
    rig.main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&rig.main));
    QTest::keyClick(&rig.main, Qt::Key_N, Qt::ControlModifier);
    QVERIFY(rig.main.game().GameRunning());
    Game& game = rig.main.game();
    game.JudgePress(game.vars.Sequence[0]);
    QCOMPARE(rig.label("lblScoreValue"), QString("1"));
    QCOMPARE(rig.label("lblRoundValue"), QString("2"));
    rig.clock.Advance(500);  // playback of the second round under way
    rig.trigger("F_NewGame");
    QCOMPARE(rig.label("lblScoreValue"), QString("0"));
    QCOMPARE(rig.label("lblRoundValue"), QString("1"));
    QCOMPARE(game.vars.SeqLastIndex, 0);
  }

  void exitAndClosingTheWindowEndTheProgram_data() {
    QTest::addColumn<bool>("byClosing");
    QTest::newRow("File > Exit") << false;
    QTest::newRow("close box") << true;
  }
  void exitAndClosingTheWindowEndTheProgram() {
    QFETCH(bool, byClosing);
    Rig rig;
    rig.main.show();
    rig.main.game().NewGame();
    QTimer::singleShot(0, &rig.main, [&] {
      if (byClosing) {
        rig.main.close();
      } else {
        rig.trigger("F_Exit");
      }
    });
    // Were the program not to end, this would end the loop with another status.
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::MainWindowTest)
#include "main_window_test.moc"
