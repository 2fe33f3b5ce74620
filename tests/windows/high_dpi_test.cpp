// The windows at a high-DPI scale factor (QT_SCALE_FACTOR, set per run by CTest): every face
// still covers its whole button, the two faces lie on each other, the about pictures stay crisp,
// every design rectangle keeps its size in logical pixels, and every text can be read in the
// default fonts of the common desktops.
#include <QLabel>
#include <QSet>
#include <QTest>

#include "support/every_window.h"
#include "window_parts/picture_box.h"

namespace zarlin::testing {

class HighDpiTest : public QObject {
  Q_OBJECT

  // Every device pixel of a widget's image, as the screen would show it.
  static QImage Shot(QWidget* widget) { return widget->grab().toImage(); }

  static QSet<QRgb> Colours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) colours.insert(image.pixel(x, y) | 0xff000000);
    }
    return colours;
  }

 private slots:
  void facesCoverTheWholeButtonInDevicePixels() {
    WindowRig rig;
    const qreal scale = rig.main.devicePixelRatioF();
    QVERIFY2(qFuzzyCompare(scale, qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble()),
             "the scale factor did not take");
    const std::pair<ColourNumber, QRgb> faces[] = {{White, 0xffffffff}, {Yellow, 0xffffff00},
                                                   {Red, 0xffff0000},   {Green, 0xff00ff00},
                                                   {Blue, 0xff0000ff},  {Black, 0xff000000}};
    for (const auto& [colour, face] : faces) {
      ColourWindow* window = rig.colourWindow(colour);
      window->show();
      QCOMPARE(window->size(), QSize(48, 48));
      QImage shot = Shot(window);
      QCOMPARE(shot.size(), QSize(qRound(48 * scale), qRound(48 * scale)));
      QCOMPARE(Colours(shot), QSet<QRgb>{face});
      rig.game().FlashColour(colour, 200);
      shot = Shot(window);
      QCOMPARE(Colours(shot), QSet<QRgb>{0xff808080});
      for (QWidget* child : window->findChildren<QWidget*>()) {
        QCOMPARE(child->geometry(), QRect(0, 0, 48, 48));
      }
    }
  }

  void aboutPicturesStayCrisp() {
    WindowRig rig;
    rig.trigger("I_A_Zarlin");
    AboutZarlinDialog* about = rig.main.infoDialogs().AboutZarlin.Existing();
    auto* picture = about->findChild<PictureBox*>("icnZarlin");
    QCOMPARE(picture->geometry(), QRect(24, 24, 32, 32));
    const QImage shot = Shot(picture);
    // Nearest-pixel scaling brings no colour the picture does not have.
    QCOMPARE(Colours(shot), (QSet<QRgb>{0xff000000, 0xffff0000, 0xff0000ff, 0xff00ff00,
                                        0xffffff00, 0xffffffff}));
    QTest::mouseClick(picture, Qt::LeftButton);
    auto* logo = about->findChild<PictureBox*>("icnQuorvel");
    QCOMPARE(logo->geometry(), QRect(16, 16, 48, 48));
    QCOMPARE(Colours(Shot(logo)), (QSet<QRgb>{0xff000000, 0xffffffff, 0xff7f7f7f, 0xffff0000,
                                              0xff0000ff, 0xff00ff00, 0xffffff00}));
  }

  void layoutsKeepTheirLogicalRectangles() {
    WindowRig rig;
    rig.main.show();
    QCOMPARE(rig.main.centralWidget()->size(), QSize(238, 59));
    QCOMPARE(rig.main.findChild<QLabel*>("lblScoreValue")->geometry(), QRect(64, 32, 177, 17));
    rig.trigger("G_Options");
    QWidget* options = rig.main.optionsDialog().Existing();
    QCOMPARE(options->size(), QSize(372, 126));
    QCOMPARE(options->findChild<QWidget*>("txtDelay")->geometry(), QRect(224, 72, 41, 25));
    rig.windows().ShowNotice(Notice::GameOver);
    QCOMPARE(rig.notice(Notice::GameOver)->size(), QSize(312, 213));
  }

  void everyTextFitsItsRectangleInTheDesktopsFonts_data() {
    QTest::addColumn<QFont>("font");
    QTest::newRow("Debian") << QFont("DejaVu Sans", 9);
    QTest::newRow("GNOME") << QFont("Cantarell", 11);
    QTest::newRow("KDE") << QFont("Noto Sans", 10);
    QTest::newRow("Liberation") << QFont("Liberation Sans", 10);
  }
  // Each text, wrapped at word boundaries, lies inside its own rectangle and its window, and
  // overlaps no other text, in the desktop's font family.
  void everyTextFitsItsRectangleInTheDesktopsFonts() {
    QFETCH(QFont, font);
    QCOMPARE(QFontInfo(font).family(), font.family());  // the font is installed
    QApplication::setFont(font);
    WindowRig rig;
    const QList<QWidget*> windows = OpenEveryWindow(rig);
    QCOMPARE(windows.size(), 9);
    for (QWidget* window : windows) {
      QStringList faults;
      const double size = FittedSize(window, faults);
      QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
      qInfo("%s in %s: %g pt", qPrintable(font.family()), qPrintable(window->objectName()), size);
    }
    QApplication::setFont(QFont());
  }

};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::HighDpiTest)
#include "high_dpi_test.moc"
