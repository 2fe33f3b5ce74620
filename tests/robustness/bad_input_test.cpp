// A catalogue of awkward texts typed into the options dialog's two boxes. Each is refused with
// nothing stored, or accepted and then played exactly as the number it reads as.
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <cmath>

#include "engine/numbers.h"
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

  static void addCatalogue() {
    QTest::addColumn<QString>("text");
    const QString texts[] = {
        "", " ", "\t", "+", "-", ".", "e", "e5", "abc", "12abc", "abc12", "1 2", "1,5", "1.5.1",
        "0x10", "0X1F", "1e", "1e+", "2e0", "1E1", "1e-1", "1e400", "-1e400", "1e-400", "inf",
        "-inf", "Infinity", "nan", "NaN", "-0", "+0", "0", "00000000000000000000000000000001",
        "1." + QString(300, '0'), QString(300, '9'), QString(1 << 20, '7'), "0.5", "0.4999",
        "1", "128", "128.4999", "128.5", "129", "-199", "-199.5", "-199.4", "2147483447",
        "2147483447.5", "2147483448", "\u0661\u0662", "\uff11", "1\u00a0", "\u20132", "1\n",
        "\x01", "1\x7f", "  7  ", "+5", "-5", "3.", ".5e1", "200", "0200"};
    for (const QString& text : texts) {
      QTest::newRow(qPrintable(text.left(24).toUtf8().toPercentEncoding())) << text;
    }
  }

 private slots:
  void startLength_data() { addCatalogue(); }
  void startLength() {
    QFETCH(QString, text);
    WindowRig rig;
    if (!typeAndOk(rig, "txtStartLen", text)) {
      QCOMPARE(rig.game().vars.StartLastIndex, 0.0);
      return;
    }
    const auto length = ParseDecimal(text.toStdString());
    QVERIFY(length.has_value());
    const double colours = RoundHalfEven(*length - 1) + 1;
    QVERIFY(colours >= 1 && colours <= 128);
    rig.game().NewGame();
    QCOMPARE(rig.game().vars.SeqLastIndex + 1, colours);
    rig.clock.Advance(400 * 130);
    QCOMPARE(rig.game().PlaybackTimer().Enabled(), false);
  }

  void delay_data() { addCatalogue(); }
  void delay() {
    QFETCH(QString, text);
    WindowRig rig;
    if (!typeAndOk(rig, "txtDelay", text)) {
      QVERIFY(std::holds_alternative<std::int16_t>(rig.game().vars.Delay));
      return;
    }
    const auto delay = ParseDecimal(text.toStdString());
    QVERIFY(delay.has_value());
    const double interval = RoundHalfEven(*delay + 200);
    QVERIFY(interval >= 1 && interval <= 2147483647.0);
    rig.game().NewGame();
    QCOMPARE(double(rig.game().PlaybackTimer().Interval()), interval);
    rig.clock.Advance(static_cast<std::int64_t>(interval));
    QCOMPARE(rig.game().vars.PlayIndex, 1);
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::BadInputTest)
#include "bad_input_test.moc"
