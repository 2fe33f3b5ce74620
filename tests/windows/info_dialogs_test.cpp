// The rules, about and licence dialogs: their designs, their show-hide-close cycle, the About
// Zarlin picture toggle, and the pictures themselves.
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "support/window_rig.h"
#include "window_parts/picture_box.h"
#include "window_parts/pictures.h"

namespace zarlin::testing {

class InfoDialogsTest : public QObject {
  Q_OBJECT

  static void closeAndWait(QWidget* dialog) {
    QSignalSpy destroyed(dialog, &QObject::destroyed);
    dialog->close();
    QVERIFY(destroyed.wait(1000));
  }
  static QWidget* shown(const char* name) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window->objectName() == name && window->isVisible()) return window;
    }
    return nullptr;
  }

 private slots:
  void everyMenuItemOpensItsDialogOnce_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<bool>("maximiseBox");
    QTest::newRow("Rules") << "I_Rules" << "Rules" << "Rules" << QSize(428, 152) << true;
    QTest::newRow("Zarlin") << "I_A_Zarlin" << "AboutZarlin" << "About Zarlin" << QSize(388, 133)
                            << false;
    QTest::newRow("Quorvel") << "I_A_Quorvel" << "AboutQuorvel" << "About Quorvel Software"
                             << QSize(420, 149) << false;
    QTest::newRow("Author") << "I_A_Author" << "AboutAuthor" << "About Author" << QSize(313, 77)
                            << false;
    QTest::newRow("License") << "I_License" << "License" << "License" << QSize(313, 81) << false;
  }
  void everyMenuItemOpensItsDialogOnce() {
    QFETCH(QString, item);
    QFETCH(QString, dialog);
    QFETCH(QString, caption);
    QFETCH(QSize, client);
    QFETCH(bool, maximiseBox);
    WindowRig rig;
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    QVERIFY(shown(qPrintable(dialog)) == nullptr);
    rig.trigger(qPrintable(item));
    rig.trigger(qPrintable(item));
    QWidget* window = shown(qPrintable(dialog));
    QVERIFY(window != nullptr);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QCOMPARE(window->windowTitle(), caption);
    QCOMPARE(window->size(), client);
    QCOMPARE(window->windowType(), Qt::Window);
    QVERIFY(window->minimumSize() != window->maximumSize());
    QCOMPARE(bool(window->windowFlags() & Qt::WindowMaximizeButtonHint), maximiseBox);
    QVERIFY(window->windowFlags() & Qt::WindowMinimizeButtonHint);
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
  }

  // Every control of the five dialogs as the Info menu shows them, at its place after the
  // dialog is resized, with the design's text: whole where the design gives it whole, else the
  // part it fixes (the blanks before an address, the words before an e-mail address).
  void controlsCarryTheirTextsAtTheirPlacesThroughAResize() {
    struct Control {
      const char* item;
      const char* name;
      QRect place;
      QString text;
      bool whole;
    };
    const Control controls[] = {
        {"I_Rules", "lblRules0", {192, 8, 57, 17}, "Rules", true},
        {"I_Rules", "lblRules1", {8, 32, 409, 65},
         "The computer will flash a sequence of colored buttons. The goal of the player is to "
         "press the buttons in the order that they were flashed. If the player matches the whole "
         "sequence, a new one is presented which is longer than the previous one by 1 flash. For "
         "each button that the player matches correctly, he gets 1 point. ",
         true},
        {"I_Rules", "lblRules2", {8, 104, 409, 41},
         "This continues until either the player makes a mistake, or until he successfully "
         "duplicates a sequence of length 128. ",
         true},
        {"I_A_Zarlin", "lblName", {80, 16, 209, 17}, "Zarlin version 1.1", true},
        {"I_A_Zarlin", "lblCopywrite", {80, 32, 209, 17}, "", false},
        {"I_A_Zarlin", "lblAuthor", {80, 48, 209, 17}, "", false},
        {"I_A_Zarlin", "lblComments", {80, 72, 209, 41},
         "If you have any comments or thoughts on this program, please send them to ", false},
        {"I_A_Zarlin", "Ok", {296, 8, 81, 25}, "Ok", true},
        {"I_A_Quorvel", "lblWebPage", {72, 8, 209, 65},
         "To find out more about Quorvel Software and about other programs made by Quorvel "
         "Software you can visit our web site. Our website can be reached from the web site: ",
         true},
        {"I_A_Quorvel", "lbltvk", {72, 64, 209, 17}, "      w", false},
        {"I_A_Quorvel", "lblGetWebPage", {72, 80, 217, 49},
         " Or, we will send you the current URL of Quorvel Software's home pae if you send an "
         "e-mail to:",
         true},
        {"I_A_Quorvel", "Label3", {72, 128, 169, 97}, "      q", false},
        {"I_A_Quorvel", "Ok", {296, 8, 81, 25}, "Ok", true},
        {"I_A_Author", "lblText", {8, 16, 209, 33},
         "To find out about the author, you can visit the web site:", true},
        {"I_A_Author", "lblWebSite", {8, 48, 209, 17}, "     w", false},
        {"I_A_Author", "Ok", {224, 8, 81, 25}, "Ok", true},
        {"I_License", "lblText", {8, 16, 209, 65}, "", false},
        {"I_License", "Ok", {224, 8, 81, 25}, "Ok", true}};
    WindowRig rig;
    for (const Control& control : controls) {
      rig.trigger(control.item);
      QWidget* dialog = nullptr;
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window != &rig.main) dialog = window;
      }
      QVERIFY2(dialog != nullptr, control.item);
      dialog->resize(dialog->size() * 2);
      const QWidget* shown = dialog->findChild<QWidget*>(control.name);
      QVERIFY2(shown != nullptr, control.name);
      QCOMPARE(shown->geometry(), control.place);
      const auto* label = qobject_cast<const QLabel*>(shown);
      const QString text = label ? label->text() : qobject_cast<const QPushButton*>(shown)->text();
      QVERIFY2(control.whole ? text == control.text : text.startsWith(control.text),
               qPrintable(QString(control.name) + ": " + text));
      QVERIFY(label == nullptr || label->wordWrap());
      dialog->hide();
    }
    // The web-site address is the same in both dialogs that give it.
    rig.trigger("I_A_Author");
    rig.trigger("I_A_Quorvel");
    QCOMPARE(rig.main.infoDialogs().AboutAuthor.Get().findChild<QLabel*>("lblWebSite")->text().trimmed(),
             rig.main.infoDialogs().AboutQuorvel.Get().findChild<QLabel*>("lbltvk")->text().trimmed());
    QVERIFY(rig.main.infoDialogs().License.Get().findChild<QLabel*>("lblText")->text().contains(
        "  from the menu Info, About, Quorvel"));
  }

  void okHidesAndKeepsTheStateTheCloseBoxStartsAfresh() {
    WindowRig rig;
    InfoDialogs& info = rig.main.infoDialogs();
    rig.trigger("I_A_Zarlin");
    AboutZarlinDialog* about = info.AboutZarlin.Existing();
    auto* icnZarlin = about->findChild<PictureBox*>("icnZarlin");
    auto* icnQuorvel = about->findChild<PictureBox*>("icnQuorvel");
    QVERIFY(icnZarlin->isVisible() && !icnQuorvel->isVisible());
    QTest::mouseClick(icnZarlin, Qt::LeftButton);
    QVERIFY(!icnZarlin->isVisible() && icnQuorvel->isVisible());
    QCOMPARE(about->LogoShown(), 1);
    QTest::mouseClick(icnQuorvel, Qt::LeftButton);
    QTest::mouseClick(icnZarlin, Qt::LeftButton);
    QCOMPARE(about->LogoShown(), 1);

    QTest::mouseClick(about->findChild<QPushButton*>("Ok"), Qt::LeftButton);
    QVERIFY(!about->isVisible());
    rig.trigger("I_A_Zarlin");
    QCOMPARE(info.AboutZarlin.Existing(), about);
    QVERIFY(icnQuorvel->isVisible());
    QTest::mouseClick(icnQuorvel, Qt::LeftButton);
    QVERIFY(icnZarlin->isVisible());
    QTest::mouseClick(icnZarlin, Qt::LeftButton);

    closeAndWait(about);
    rig.trigger("I_A_Zarlin");
    about = info.AboutZarlin.Existing();
    QCOMPARE(about->LogoShown(), 0);
    QVERIFY(about->findChild<PictureBox*>("icnZarlin")->isVisible());
    QVERIFY(!about->findChild<PictureBox*>("icnQuorvel")->isVisible());
  }

  void theQuorvelLogoAlwaysShowsAndIgnoresClicks() {
    WindowRig rig;
    rig.trigger("I_A_Quorvel");
    QWidget* about = rig.main.infoDialogs().AboutQuorvel.Existing();
    auto* logo = about->findChild<QLabel*>("icnQuorvel");
    QVERIFY(logo->isVisible());
    QTest::mouseClick(logo, Qt::LeftButton);
    QVERIFY(logo->isVisible());
    closeAndWait(about);
    rig.trigger("I_A_Quorvel");
    QVERIFY(rig.main.infoDialogs().AboutQuorvel.Existing()->findChild<QLabel*>("icnQuorvel")
                ->isVisible());
  }

  void rulesHasNoButtonAndComesBackAfterItsCloseBox() {
    WindowRig rig;
    rig.trigger("I_Rules");
    QWidget* rules = rig.main.infoDialogs().Rules.Existing();
    QVERIFY(rules->findChildren<QPushButton*>().isEmpty());
    QTest::keyClick(rules, Qt::Key_Escape);
    QVERIFY(rules->isVisible());
    rig.trigger("I_A_Author");
    QWidget* author = rig.main.infoDialogs().AboutAuthor.Existing();
    QTest::keyClick(author, Qt::Key_Escape);  // as Ok: hidden, not destroyed
    QVERIFY(!author->isVisible());
    QCOMPARE(rig.main.infoDialogs().AboutAuthor.Existing(), author);
    closeAndWait(rules);
    QVERIFY(shown("Rules") == nullptr);
    rig.trigger("I_Rules");
    QVERIFY(shown("Rules") != nullptr);
  }

  void theProgramPictureIsAFramedGridOfSixColours() {
    const QImage picture = Picture("zarlin_picture.xpm").toImage();
    QCOMPARE(picture.size(), QSize(32, 32));
    for (int i = 0; i < 32; ++i) {
      for (QPoint p : {QPoint(i, 0), QPoint(i, 31), QPoint(0, i), QPoint(31, i)}) {
        QCOMPARE(picture.pixelColor(p), QColor(Qt::black));
      }
    }
    const QColor cells[2][3] = {{"#ff0000", "#0000ff", "#000000"},
                                {"#00ff00", "#ffff00", "#ffffff"}};
    for (int row = 0; row < 2; ++row) {
      for (int column = 0; column < 3; ++column) {
        const int left = 1 + 10 * column, top = 1 + 15 * row;
        for (QPoint corner : {QPoint(left, top), QPoint(left + 9, top), QPoint(left, top + 14),
                              QPoint(left + 9, top + 14)}) {
          QCOMPARE(picture.pixelColor(corner), cells[row][column]);
        }
      }
    }
  }

  void theMakersLogoIsAPinwheelOfFourTriangles() {
    const QImage logo = Picture("quorvel_logo.xpm").toImage();
    QCOMPARE(logo.size(), QSize(48, 48));
    const QColor white("#ffffff"), black("#000000"), grey("#7f7f7f");
    const auto at = [&logo](int x, int y) { return logo.pixelColor(x, y); };
    QCOMPARE(at(0, 0), white);
    QCOMPARE(at(47, 47), white);
    for (int i = 19; i <= 28; ++i) {
      QCOMPARE(at(i, 19), grey);
      QCOMPARE(at(i, 28), grey);
      QCOMPARE(at(18, i), black);
      QCOMPARE(at(29, i), black);
      QCOMPARE(at(i, 18), black);
      QCOMPARE(at(i, 29), black);
    }
    // Each side runs on past a corner to the tip of its triangle.
    for (int i = 7; i < 18; ++i) QCOMPARE(at(18, i), black);
    for (int i = 30; i <= 40; ++i) QCOMPARE(at(i, 18), black);
    for (int i = 30; i <= 40; ++i) QCOMPARE(at(29, i), black);
    for (int i = 7; i < 18; ++i) QCOMPARE(at(i, 29), black);
    QCOMPARE(at(17, 10), white);
    // The triangles: the base against the edge, 13 pixels along it, 7 deep, outlined in black.
    struct Triangle { QColor fill; QPoint base0, base12, tip, inside; };
    const Triangle triangles[] = {
        {"#ffff00", {12, 0}, {24, 0}, {18, 6}, {18, 3}},
        {"#ff0000", {47, 12}, {47, 24}, {41, 18}, {44, 18}},
        {"#0000ff", {23, 47}, {35, 47}, {29, 41}, {29, 44}},
        {"#00ff00", {0, 23}, {0, 35}, {6, 29}, {3, 29}}};
    for (const Triangle& t : triangles) {
      QCOMPARE(at(t.base0.x(), t.base0.y()), black);
      QCOMPARE(at(t.base12.x(), t.base12.y()), black);
      QCOMPARE(at(t.tip.x(), t.tip.y()), black);
      QCOMPARE(at(t.inside.x(), t.inside.y()), t.fill);
      const QPoint outside = t.base0 - (t.base12 - t.base0) / 12;
      QCOMPARE(at(outside.x(), outside.y()), white);
    }
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::InfoDialogsTest)
#include "info_dialogs_test.moc"
