// What a screen reader finds in each window: every control's role and name.
#include <QAbstractButton>
#include <QAccessible>
#include <QTest>

#include "support/window_rig.h"

namespace zarlin::testing {

class AccessibilityTest : public QObject {
  Q_OBJECT

  // "role name" for every accessible object below a window, in tree order.
  static QStringList Tree(QWidget* window) {
    QStringList found;
    const auto walk = [&found](const auto& self, QAccessibleInterface* node) -> void {
      for (int i = 0; i < node->childCount(); ++i) {
        QAccessibleInterface* child = node->child(i);
        if (child == nullptr) continue;
        found << QString::number(child->role(), 16) + " " + child->text(QAccessible::Name);
        self(self, child);
      }
    };
    walk(walk, QAccessible::queryAccessibleInterface(window));
    return found;
  }
  static QString Entry(QAccessible::Role role, const QString& name) {
    return QString::number(role, 16) + " " + name;
  }

 private slots:
  // Each face is a button named by its colour, whose description names the key that presses it.
  void colourFacesAreButtonsNamedByTheirColour() {
    WindowRig rig;
    const std::pair<ColourNumber, QString> keys[] = {{White, "Key 1"}, {Yellow, "Key 2"},
                                                     {Red, "Key 3"},   {Green, "Key 4"},
                                                     {Blue, "Key 5"},  {Black, "Key 6"}};
    for (const auto& [colour, key] : keys) {
      ColourWindow* window = rig.colourWindow(colour);
      window->show();
      QVERIFY2(Tree(window).contains(Entry(QAccessible::Button, window->objectName())),
               qPrintable(Tree(window).join(", ")));
      auto* face = QAccessible::queryAccessibleInterface(window->findChild<QAbstractButton*>());
      QCOMPARE(face->text(QAccessible::Description), key);
    }
  }

  void countersExposeTheirValues() {
    WindowRig rig;
    rig.main.show();
    rig.game().NewGame();
    rig.game().JudgePress(rig.expected());
    const QStringList tree = Tree(&rig.main);
    QVERIFY2(tree.contains(Entry(QAccessible::StaticText, "2")), qPrintable(tree.join(", ")));
    QVERIFY(tree.contains(Entry(QAccessible::StaticText, "1")));
    auto* round = QAccessible::queryAccessibleInterface(rig.main.findChild<QWidget*>("lblRoundValue"));
    QCOMPARE(round->text(QAccessible::Description), QString("Round"));
  }

  void everyDialogControlIsNamedByItsCaption() {
    WindowRig rig;
    rig.trigger("G_Options");
    const QStringList options = Tree(rig.main.optionsDialog().Existing());
    for (const QString& entry :
         {Entry(QAccessible::Grouping, "Number Of Colors"), Entry(QAccessible::RadioButton, "2"),
          Entry(QAccessible::RadioButton, "6"), Entry(QAccessible::CheckBox, "Sequential Paterns"),
          Entry(QAccessible::EditableText, "Start Length:"),
          Entry(QAccessible::EditableText, "Delay (milliseconds):"),
          Entry(QAccessible::Button, "OK"), Entry(QAccessible::Button, "Cancel")}) {
      QVERIFY2(options.contains(entry), qPrintable(entry + " not in " + options.join(", ")));
    }

    const char* items[] = {"I_A_Zarlin", "I_A_Quorvel", "I_A_Author", "I_License"};
    for (const char* item : items) rig.trigger(item);
    InfoDialogs& info = rig.main.infoDialogs();
    QWidget* withOk[] = {info.AboutZarlin.Existing(), info.AboutQuorvel.Existing(),
                         info.AboutAuthor.Existing(), info.License.Existing()};
    for (QWidget* dialog : withOk) {
      QVERIFY2(Tree(dialog).contains(Entry(QAccessible::Button, "Ok")), qPrintable(dialog->objectName()));
    }
    QVERIFY(Tree(info.AboutZarlin.Existing()).contains(Entry(QAccessible::Button, "Zarlin")));
    QVERIFY(Tree(info.AboutZarlin.Existing()).contains(Entry(QAccessible::StaticText, "Zarlin version 1.1")));
    rig.windows().ShowNotice(Notice::GameOver);
    QVERIFY(Tree(rig.notice(Notice::GameOver)).contains(Entry(QAccessible::StaticText, "Sorry, Game Over")));
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::AccessibilityTest)
#include "accessibility_test.moc"
