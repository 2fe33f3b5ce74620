// Soak and churn through the real windows: a whole game won click by click, then thousands of
// windows closed and shown again. Run under the sanitizers, it shows there is no leak, and the
// count of top-level windows shows nothing piles up.
#include <QPushButton>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class SoakTest : public QObject {
  Q_OBJECT

  static qsizetype TopLevelWindows() {
    QCoreApplication::sendPostedEvents();  // lets closed windows finish going away
    return QApplication::topLevelWidgets().size();
  }

 private slots:
  void aWholeGameWonThroughTheWindows() {
    WindowRig rig;
    rig.main.show();
    rig.trigger("F_NewGame");
    int clicks = 0;
    while (rig.game().GameRunning()) {
      // Wait out the playback and the last flash, then click the round back.
      rig.clock.Advance(400 * (rig.game().vars.SeqLastIndex + 2) + 200);
      const auto round = rig.game().vars.CurrentRound;
      while (rig.game().GameRunning() && rig.game().vars.CurrentRound == round) {
        rig.click(rig.expected());
        ++clicks;
        rig.clock.Advance(200);  // the face is back before the next click
      }
    }
    QCOMPARE(clicks, 8256);
    QCOMPARE(rig.label("lblScoreValue"), QString("8256"));
    QCOMPARE(rig.label("lblRoundValue"), QString("129"));
    QVERIFY(rig.notice(Notice::Win)->isVisible());
  }

  void tenThousandClosedAndReshownWindows() {
    WindowRig rig;
    rig.main.show();
    InfoDialogs& info = rig.main.infoDialogs();
    const qsizetype atStart = TopLevelWindows();
    for (int cycle = 0; cycle < 10'000; ++cycle) {
      const auto colour = static_cast<ColourNumber>(cycle % 6 + 1);
      rig.windows().ShowColourWindow(colour);
      rig.colourWindow(colour)->close();
      rig.game().FlashColour(colour, 200);  // a flash on the closed window brings it back

      const Notice notice = cycle % 2 == 0 ? Notice::GameOver : Notice::Win;
      rig.windows().ShowNotice(notice);
      rig.notice(notice)->close();
      rig.windows().HideNotice(notice);  // as New Game does: the notice is made again, hidden

      QWidget* dialogs[] = {info.Rules.Existing(), info.AboutZarlin.Existing(),
                            info.AboutQuorvel.Existing(), info.AboutAuthor.Existing(),
                            info.License.Existing()};
      const char* items[] = {"I_Rules", "I_A_Zarlin", "I_A_Quorvel", "I_A_Author", "I_License"};
      rig.trigger(items[cycle % 5]);
      dialogs[cycle % 5]->close();
      rig.trigger(items[cycle % 5]);

      rig.trigger("G_Options");
      QTest::mouseClick(rig.main.optionsDialog().Existing()->findChild<QPushButton*>("optCancel"),
                        Qt::LeftButton);
      rig.clock.Advance(200);
      // The options dialog is gone and every other window is back: as many as at the start.
      QCOMPARE(TopLevelWindows(), atStart);
    }
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::SoakTest)
#include "soak_test.moc"
