// The options dialog: its design, how it fills and stores the settings, and what it refuses.
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class OptionsDialogTest : public QObject {
  Q_OBJECT

  struct Rig : WindowRig {
    OptionsDialog* open() {
      trigger("G_Options");
      return main.optionsDialog().Existing();
    }
    template <typename Control>
    Control* control(const char* name) {
      return main.optionsDialog().Existing()->findChild<Control*>(name);
    }
    void type(const char* box, const QString& text) { control<QLineEdit>(box)->setText(text); }
    void press(const char* button) { QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton); }
    QString selectedCount() {
      for (auto* button : main.optionsDialog().Existing()->findChildren<QRadioButton*>()) {
        if (button->isChecked()) return button->text();
      }
      return {};
    }
    void waitForClose(OptionsDialog* dialog) {
      QSignalSpy destroyed(dialog, &QObject::destroyed);
      QVERIFY(destroyed.wait(1000));
    }
  };

 private slots:
  void opensWithTheDesignAndTheStartUpSettings() {
    Rig rig;
    QVERIFY(OptionsDialog(rig.game().vars, rig.game().constants).isHidden());
    QVERIFY(rig.main.optionsDialog().Existing() == nullptr);
    OptionsDialog* dialog = rig.open();
    QVERIFY(dialog != nullptr && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QString("Options for Zarlin"));
    QCOMPARE(dialog->size(), QSize(372, 126));
    QCOMPARE(dialog->minimumSize(), dialog->maximumSize());
    QVERIFY(dialog->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(dialog->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    const std::tuple<const char*, QString, QRect> controls[] = {
        {"frmNoColors", "Number Of Colors", {16, 8, 97, 105}},
        {"rbn2Colors", "2", {48, 24, 49, 17}},
        {"rbn3Colors", "3", {48, 40, 49, 17}},
        {"rbn4Colors", "4", {48, 56, 49, 17}},
        {"rbn5Colors", "5", {48, 72, 49, 17}},
        {"rbn6Colors", "6", {48, 88, 57, 17}},
        {"chkSeqPattern", "Sequential Paterns", {120, 8, 129, 17}},
        {"lblStartLen", "Start Length:", {120, 40, 73, 17}},
        {"txtStartLen", "1", {224, 40, 41, 25}},
        {"lblDelay", "Delay (milliseconds):", {120, 72, 105, 17}},
        {"txtDelay", "200", {224, 72, 41, 25}},
        {"optOK", "OK", {280, 8, 73, 25}},
        {"optCancel", "Cancel", {280, 40, 73, 25}}};
    for (const auto& [name, caption, rect] : controls) {
      QWidget* control = dialog->findChild<QWidget*>(name);
      QVERIFY2(control != nullptr, name);
      QCOMPARE(control->geometry(), rect);
      QCOMPARE(control->property(qobject_cast<QLineEdit*>(control) ? "text"
                                 : qobject_cast<QGroupBox*>(control) ? "title"
                                                                      : "text")
                   .toString(),
               caption);
      QCOMPARE(control->parentWidget(), dialog);
    }
    QCOMPARE(rig.selectedCount(), QString("6"));
    QVERIFY(rig.control<QCheckBox>("chkSeqPattern")->isChecked());
  }

  void okStoresEverySettingAndTheNextOpeningShowsIt_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("sequential");
    QTest::addColumn<QString>("startLength");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<double>("storedStart");
    QTest::addColumn<QString>("shownStart");
    QTest::newRow("2, fresh, 5") << "2" << false << "5" << "100" << 4.0 << "5";
    QTest::newRow("3, sequential, 007") << "3" << true << "007" << " 0300 " << 6.0 << "7";
    QTest::newRow("4, fresh, 2.50") << "4" << false << "2.50" << "-199" << 1.5 << "2.5";
    QTest::newRow("5, sequential, 128") << "5" << true << "128" << "1e3" << 127.0 << "128";
    QTest::newRow("6, fresh, 1") << "6" << false << "1" << "200" << 0.0 << "1";
  }
  void okStoresEverySettingAndTheNextOpeningShowsIt() {
    QFETCH(QString, count);
    QFETCH(bool, sequential);
    QFETCH(QString, startLength);
    QFETCH(QString, delay);
    QFETCH(double, storedStart);
    QFETCH(QString, shownStart);
    Rig rig;
    rig.game().NewGame();
    OptionsDialog* dialog = rig.open();
    rig.control<QRadioButton>(qPrintable("rbn" + count + "Colors"))->click();
    rig.control<QCheckBox>("chkSeqPattern")->setChecked(sequential);
    rig.type("txtStartLen", startLength);
    rig.type("txtDelay", delay);
    rig.press("optOK");
    rig.waitForClose(dialog);
    const GameVariables& vars = rig.game().vars;
    QCOMPARE(vars.ColourCount, count.toShort());
    QCOMPARE(vars.SequentialPatterns, sequential ? True : False);
    QCOMPARE(vars.StartLastIndex, storedStart);
    QCOMPARE(std::get<std::string>(vars.Delay), delay.toStdString());
    QVERIFY(rig.game().GameRunning());  // OK starts nothing and ends nothing

    rig.open();
    QCOMPARE(rig.selectedCount(), count);
    QCOMPARE(rig.control<QCheckBox>("chkSeqPattern")->isChecked(), sequential);
    QCOMPARE(rig.control<QLineEdit>("txtStartLen")->text(), shownStart);
    QCOMPARE(rig.control<QLineEdit>("txtDelay")->text(), delay);
  }

  void cancelAndTheCloseBoxStoreNothing_data() {
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("Cancel") << false;
    QTest::newRow("close box") << true;
  }
  void cancelAndTheCloseBoxStoreNothing() {
    QFETCH(bool, byCloseBox);
    Rig rig;
    OptionsDialog* dialog = rig.open();
    rig.control<QRadioButton>("rbn3Colors")->click();
    rig.control<QCheckBox>("chkSeqPattern")->setChecked(false);
    rig.type("txtStartLen", "9");
    rig.type("txtDelay", "50");
    if (byCloseBox) {
      dialog->close();
    } else {
      rig.press("optCancel");
    }
    rig.waitForClose(dialog);
    QVERIFY(rig.main.optionsDialog().Existing() == nullptr);
    const GameVariables& vars = rig.game().vars;
    QCOMPARE(vars.ColourCount, 6);
    QCOMPARE(vars.SequentialPatterns, True);
    QCOMPARE(vars.StartLastIndex, 0.0);
    QCOMPARE(std::get<std::int16_t>(vars.Delay), 200);
  }

  void okRefusesWhatTheGameCannotPlay_data() {
    QTest::addColumn<QString>("startLength");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<QString>("refused");
    const char* bad[] = {"", "  ", "abc", "12abc", "1,5", "0x10", "inf", "nan", "1e400", "-"};
    for (const char* text : bad) {
      QTest::addRow("start length '%s'", text) << text << "200" << "txtStartLen";
      QTest::addRow("delay '%s'", text) << "1" << text << "txtDelay";
    }
    QTest::newRow("start length 0") << "0" << "200" << "txtStartLen";
    QTest::newRow("start length 129") << "129" << "200" << "txtStartLen";
    QTest::newRow("start length 128.5") << "128.5" << "200" << "txtStartLen";
    QTest::newRow("start length 0.49") << "0.49" << "200" << "txtStartLen";
    QTest::newRow("delay -200") << "1" << "-200" << "txtDelay";
    QTest::newRow("delay 2147483448") << "1" << "2147483448" << "txtDelay";
    QTest::newRow("both: the start length first") << "x" << "y" << "txtStartLen";
  }
  void okRefusesWhatTheGameCannotPlay() {
    QFETCH(QString, startLength);
    QFETCH(QString, delay);
    QFETCH(QString, refused);
    Rig rig;
    rig.main.show();
    OptionsDialog* dialog = rig.open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    rig.control<QRadioButton>("rbn2Colors")->click();
    rig.control<QCheckBox>("chkSeqPattern")->setChecked(false);
    rig.type("txtStartLen", startLength);
    rig.type("txtDelay", delay);
    rig.press("optOK");
    QCOMPARE(rig.main.optionsDialog().Existing(), dialog);
    QVERIFY(dialog->isVisible());
    const GameVariables& vars = rig.game().vars;
    QCOMPARE(vars.ColourCount, 6);
    QCOMPARE(vars.SequentialPatterns, True);
    QCOMPARE(vars.StartLastIndex, 0.0);
    QVERIFY(std::holds_alternative<std::int16_t>(vars.Delay));
    auto* box = rig.control<QLineEdit>(qPrintable(refused));
    QCOMPARE(QApplication::focusWidget(), box);
    QCOMPARE(box->selectedText(), box->text());
    // The limits that a 128-colour store and 200 ms flashes set.
    QVERIFY(box->toolTip().contains(refused == "txtStartLen" ? "must be a number from 1 to 128:"
                                                             : "from -199 to 2147483447:"));
    QCOMPARE(box->accessibleDescription(), box->toolTip());
  }

  void tabVisitsTheControlsInTheDesignOrder() {
    Rig rig;
    OptionsDialog* dialog = rig.open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    rig.control<QRadioButton>("rbn4Colors")->click();
    rig.control<QRadioButton>("rbn4Colors")->setFocus();
    QStringList visited;
    for (int i = 0; i < 7; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, QStringList({"chkSeqPattern", "optOK", "optCancel", "txtStartLen",
                                   "txtDelay", "rbn4Colors", "chkSeqPattern"}));
  }

  void enterPressesTheFocusedButton_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("key");
    QTest::addColumn<double>("stored");
    QTest::newRow("Return on OK") << "optOK" << int(Qt::Key_Return) << 8.0;
    QTest::newRow("keypad Enter on OK") << "optOK" << int(Qt::Key_Enter) << 8.0;
    QTest::newRow("Return on Cancel") << "optCancel" << int(Qt::Key_Return) << 0.0;
  }
  void enterPressesTheFocusedButton() {
    QFETCH(QString, button);
    QFETCH(int, key);
    QFETCH(double, stored);
    Rig rig;
    OptionsDialog* dialog = rig.open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    rig.type("txtStartLen", "9");
    auto* focused = rig.control<QPushButton>(qPrintable(button));
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    rig.waitForClose(dialog);
    QCOMPARE(rig.game().vars.StartLastIndex, stored);
  }

  void enterEscAndASecondOptionsCommandChangeNothing() {
    Rig rig;
    OptionsDialog* dialog = rig.open();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    rig.type("txtStartLen", "9");
    rig.control<QLineEdit>("txtStartLen")->setFocus();
    QTest::keyClick(rig.control<QLineEdit>("txtStartLen"), Qt::Key_Return);
    QTest::keyClick(rig.control<QLineEdit>("txtStartLen"), Qt::Key_Escape);
    QVERIFY(dialog->isVisible());
    QCOMPARE(rig.game().vars.StartLastIndex, 0.0);
    QCOMPARE(rig.open(), dialog);
    QCOMPARE(rig.control<QLineEdit>("txtStartLen")->text(), QString("9"));
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::OptionsDialogTest)
#include "options_dialog_test.moc"
