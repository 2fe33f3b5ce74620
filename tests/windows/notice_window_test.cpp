// The end-of-game notices: what they say, when they show, and that the game goes on beside them.
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class NoticeWindowTest : public QObject {
  Q_OBJECT

  static void winTheGame(WindowRig& rig) {
    rig.game().vars.StartLastIndex = 127;
    rig.game().NewGame();
    while (rig.game().GameRunning()) rig.game().JudgePress(rig.expected());
  }

 private slots:
  void bothStartHiddenWithTheirDesign_data() {
    QTest::addColumn<int>("which");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");
    QTest::newRow("GameOver") << int(Notice::GameOver) << "Game Over" << "lblGameOver"
                              << "Sorry, Game Over" << QRect(16, 16, 145, 17);
    QTest::newRow("Win") << int(Notice::Win) << "You Win" << "lblWin"
                         << "Congratulations You Win!!" << QRect(16, 16, 145, 25);
  }
  void bothStartHiddenWithTheirDesign() {
    QFETCH(int, which);
    QFETCH(QString, caption);
    QFETCH(QString, label);
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    WindowRig rig;
    NoticeWindow* notice = rig.notice(static_cast<Notice>(which));
    QVERIFY(notice != nullptr);
    QVERIFY(!notice->isVisible());
    QCOMPARE(notice->windowTitle(), caption);
    QCOMPARE(notice->size(), QSize(312, 213));
    QCOMPARE(notice->minimumSize(), notice->maximumSize());
    QCOMPARE(notice->windowType(), Qt::Window);
    QVERIFY(!(notice->windowFlags() &
              (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const auto* lbl = notice->findChild<QLabel*>(label);
    QVERIFY(lbl != nullptr);
    QCOMPARE(lbl->text(), text);
    QCOMPARE(lbl->geometry(), rect);
    QVERIFY(lbl->wordWrap());
  }

  void aWrongClickShowsGameOverAndTheGameStaysUsable() {
    WindowRig rig;
    rig.main.show();
    rig.game().NewGame();
    rig.clock.Advance(800);
    rig.click(rig.expected() == White ? Yellow : White);
    QVERIFY(rig.notice(Notice::GameOver)->isVisible());
    QVERIFY(!rig.notice(Notice::Win)->isVisible());
    QVERIFY(rig.main.isVisible());
    QVERIFY(rig.colourWindow(Black)->isVisible());
    QCOMPARE(rig.label("lblScoreValue"), QString("0"));
    rig.trigger("F_NewGame");
    QVERIFY(!rig.notice(Notice::GameOver)->isVisible());
    QCOMPARE(rig.game().GameRunning(), true);
  }

  void theWinShowsOnlyTheWinNotice() {
    WindowRig rig;
    winTheGame(rig);
    QVERIFY(rig.notice(Notice::Win)->isVisible());
    QVERIFY(!rig.notice(Notice::GameOver)->isVisible());
    QCOMPARE(rig.label("lblScoreValue"), QString("128"));
    QCOMPARE(rig.label("lblRoundValue"), QString("2"));
  }

  void newGameHidesBothTogether() {
    WindowRig rig;
    winTheGame(rig);
    rig.game().ShowGameOver();
    rig.trigger("F_NewGame");
    QVERIFY(!rig.notice(Notice::GameOver)->isVisible());
    QVERIFY(!rig.notice(Notice::Win)->isVisible());
  }

  void aClosedNoticeComesBackAsDesigned() {
    WindowRig rig;
    rig.game().ShowGameOver();
    NoticeWindow* first = rig.notice(Notice::GameOver);
    QSignalSpy destroyed(first, &QObject::destroyed);
    first->close();
    QVERIFY(destroyed.wait(1000));
    rig.game().NewGame();
    rig.game().JudgePress(rig.expected() == White ? Yellow : White);
    NoticeWindow* again = rig.notice(Notice::GameOver);
    QVERIFY(again->isVisible());
    QCOMPARE(again->findChild<QLabel*>("lblGameOver")->text(), QString("Sorry, Game Over"));
    QCOMPARE(again->size(), QSize(312, 213));
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::NoticeWindowTest)
#include "notice_window_test.moc"
