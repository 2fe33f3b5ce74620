// A catalogue of awkward texts typed into the options dialog's two boxes. Each is refused with
// nothing stored, or accepted and then played exactly as the number it reads as.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class BadInputTest : public QObject {
  Q_OBJECT

  // Types text into one box of a fresh dialog, the other keeping its start-up value, and OK.
  // Returns whether the dialog took it.
  static bool typeAndOk(WindowRig& rig, const char* box, const QString& text) {
    rig.trigger("G_Options");
    OptionsDialog* dialog = rig.main.optionsDialog().Existing();
    dialog->findChild<QLineEdit*>(box)->setText(text);
    QTest::mouseClick(dialog->findChild<QPushButton*>("optOK"), Qt::LeftButton);
    return dialog->isHidden();
  }

  // Each text with what it must give: the colours of the first round when typed as the start
  // length, the playback interval in milliseconds when typed as the delay; 0 where it is refused.
  static void addCatalogue() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("interval");
    const struct {
      QString text;
      int colours, interval;
    } catalogue[] = {
        {"", 0, 0}, {" ", 0, 0}, {"\t", 0, 0}, {"+", 0, 0}, {"-", 0, 0}, {".", 0, 0}, {"e", 0, 0},
        {"e5", 0, 0}, {"abc", 0, 0}, {"12abc", 0, 0}, {"abc12", 0, 0}, {"1 2", 0, 0},
        {"1,5", 0, 0}, {"1.5.1", 0, 0}, {"0x10", 0, 0}, {"0X1F", 0, 0}, {"1e", 0, 0},
        {"1e+", 0, 0}, {"2e0", 2, 202}, {"1E1", 10, 210}, {"1e-1", 0, 200}, {"1e400", 0, 0},
        {"-1e400", 0, 0}, {"1e-400", 0, 200}, {"1e-310", 0, 200}, {"4.9e-324", 0, 200},
        {"inf", 0, 0}, {"-inf", 0, 0}, {"Infinity", 0, 0}, {"nan", 0, 0}, {"NaN", 0, 0},
        {"-0", 0, 200}, {"+0", 0, 200}, {"0", 0, 200}, {"00000000000000000000000000000001", 1, 201},
        {"1." + QString(300, '0'), 1, 201}, {QString(300, '9'), 0, 0},
        {QString(1 << 20, '7'), 0, 0}, {"0.5", 1, 200}, {"0.4999", 0, 200}, {"1", 1, 201},
        {"128", 128, 328}, {"128.4999", 128, 328}, {"128.5", 0, 328}, {"129", 0, 329},
        {"-199", 0, 1}, {"-199.5", 0, 0}, {"-199.4", 0, 1}, {"2147483447", 0, 2147483647},
        {"2147483447.5", 0, 0}, {"2147483448", 0, 0}, {"\u0661\u0662", 0, 0}, {"\uff11", 0, 0},
        {"1\u00a0", 0, 0}, {"\u20132", 0, 0}, {"1\n", 0, 0}, {"\x01", 0, 0}, {"1\x7f", 0, 0},
        {"  7  ", 7, 207}, {"+5", 5, 205}, {"-5", 0, 195}, {"3.", 3, 203}, {".5e1", 5, 205},
        {"200", 0, 400}, {"0200", 0, 400}};
    for (const auto& row : catalogue) {
      QTest::newRow(qPrintable(row.text.left(24).toUtf8().toPercentEncoding()))
          << row.text << row.colours << row.interval;
    }
  }

 private slots:
  void startLength_data() { addCatalogue(); }
  void startLength() {
    QFETCH(QString, text);
    QFETCH(int, colours);
    WindowRig rig;
    QCOMPARE(typeAndOk(rig, "txtStartLen", text), colours != 0);
    if (colours == 0) {
      QCOMPARE(rig.game().vars.StartLastIndex, 0.0);
      return;
    }
    rig.game().NewGame();
    QCOMPARE(rig.game().vars.SeqLastIndex + 1, colours);
    rig.clock.Advance(400 * 130);
    QCOMPARE(rig.game().PlaybackTimer().Enabled(), false);
  }

  void delay_data() { addCatalogue(); }
  void delay() {
    QFETCH(QString, text);
    QFETCH(int, interval);
    WindowRig rig;
    QCOMPARE(typeAndOk(rig, "txtDelay", text), interval != 0);
    if (interval == 0) {
      QVERIFY(std::holds_alternative<std::int16_t>(rig.game().vars.Delay));
      return;
    }
    rig.game().NewGame();
    QCOMPARE(rig.game().PlaybackTimer().Interval(), interval);
    rig.clock.Advance(interval);
    QCOMPARE(rig.game().vars.PlayIndex, 1);
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::BadInputTest)
#include "bad_input_test.moc"
