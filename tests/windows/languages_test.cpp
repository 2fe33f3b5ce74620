// The game in every language: every text goes through the catalogue (shown in a pseudo-language
// made from the sources), every catalogue is complete, no two access keys of a menu or window are
// alike, every text is readable at no less than the floor, and right-to-left windows are mirrored.
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <memory>

#include "app/language.h"
#include "support/every_window.h"

namespace zarlin::testing {

namespace {

const QStringList Languages = {"de", "fr", "es", "it", "pt_BR", "pl", "tr", "ru",
                               "uk", "zh_CN", "zh_TW", "ja", "ar", "he", "pseudo"};

QString Catalogue(const QString& language) {
  return language == u"pseudo" ? ZARLIN_PSEUDO_CATALOGUE
                               : ":/translations/zarlin_" + language + ".qm";
}

void Speak(const QString& language) {
  SpeakLanguage(language == u"pseudo" ? "en" : language);
  if (language != u"pseudo") return;
  auto* pseudo = new QTranslator(qApp);
  QVERIFY(pseudo->load(Catalogue(language)));
  QCoreApplication::installTranslator(pseudo);
}

struct Message {
  QString context, source, comment;
  bool numerus;
};

// Every text of the sources, as lupdate found them at build time.
QList<Message> SourceTexts() {
  QFile file(ZARLIN_SOURCE_TEXTS);
  if (!file.open(QIODevice::ReadOnly)) return {};
  QXmlStreamReader xml(&file);
  QList<Message> messages;
  QString context;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"message") {
      messages.append({context, {}, {}, xml.attributes().value("numerus") == u"yes"});
    }
    if (xml.name() == u"source") messages.last().source = xml.readElementText();
    if (xml.name() == u"comment") messages.last().comment = xml.readElementText();
  }
  return messages;
}

QMap<QString, double> FittedSizes(const QString& language, QStringList& faults) {
  Speak(language);
  WindowRig rig;
  QMap<QString, double> sizes;
  for (QWidget* window : OpenEveryWindow(rig)) {
    sizes[window->objectName()] = FittedSize(window, faults);
  }
  rig.main.show();
  if (rig.main.menuBar()->findChild<QWidget*>("qt_menubar_ext_button")->isVisible()) {
    faults << "Main: menus hidden behind the menu bar's overflow button";
  }
  return sizes;
}

// The least size a window's texts may take: English's at the same font less a point, never under
// 7 points. Where the language's script stands taller in a line of the same font than English
// (the CJK fonts' lines are nearly half as tall again as their size), the size at which its line
// is as tall as English's at that floor: a one-line rectangle holds no taller line, whatever
// the text says.
double Floor(QFont font, double english, const QString& sample) {
  const double floor = std::max(english - 1, 7.0);
  font.setPointSizeF(floor);
  const int line = QFontMetrics(font).boundingRect("Score:").height();
  double size = floor;
  for (; size > 7; size -= 0.25) {
    font.setPointSizeF(size);
    if (QFontMetrics(font).boundingRect(sample).height() <= line) break;
  }
  return size;
}

// The access keys alike within the menu bar, a menu or a window.
QStringList AccessKeysAlike(const QString& language) {
  Speak(language);
  WindowRig rig;
  QStringList alike;
  const auto compare = [&alike](const QString& where, const QStringList& texts) {
    static const QRegularExpression key("&([^&])");
    QStringList keys;
    for (const QString& text : texts) {
      const QString letter = key.match(text).captured(1).toLower();
      if (!letter.isEmpty() && keys.contains(letter)) alike << where + ": " + letter;
      keys << letter;
    }
  };
  const auto itemsOf = [](const QWidget* menu) {
    QStringList items;
    for (QAction* item : menu->actions()) items << item->text();
    return items;
  };
  compare("menu bar", itemsOf(rig.main.menuBar()));
  for (QMenu* menu : rig.main.findChildren<QMenu*>()) compare(menu->objectName(), itemsOf(menu));
  for (QWidget* window : OpenEveryWindow(rig)) {
    QStringList controls;
    for (auto* button : window->findChildren<QAbstractButton*>()) controls << button->text();
    for (auto* box : window->findChildren<QGroupBox*>()) controls << box->title();
    compare(window->objectName(), controls);
  }
  return alike;
}

}  // namespace

class LanguagesTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() {
    SpeakLanguage("en");
    QApplication::setFont(QFont());
  }

  // What the player sees or hears, outside the brackets of the pseudo-language: only the names
  // and addresses that stay as they are, and numbers.
  void everyTextGoesThroughTheCatalogue() {
    Speak("pseudo");
    WindowRig rig;
    QList<QWidget*> windows = OpenEveryWindow(rig);
    windows << &rig.main;
    for (ColourNumber colour : {White, Yellow, Red, Green, Blue, Black}) {
      windows << rig.colourWindow(colour);
    }
    QWidget* options = rig.main.optionsDialog().Existing();
    options->findChild<QLineEdit*>("txtDelay")->setText("soon");
    QTest::mouseClick(options->findChild<QPushButton*>("optOK"), Qt::LeftButton);

    static const QRegularExpression kept(
        R"(^\s*(\[.*\]|Zarlin|Quorvel Software|[0-9]*|\S+@example\.org|www\.example\.org)\s*$)",
        QRegularExpression::DotMatchesEverythingOption);
    QStringList outside;
    const auto check = [&outside](const QString& text, const QString& where) {
      if (!kept.match(text).hasMatch()) outside << where + ": " + text;
    };
    for (QWidget* window : windows) {
      check(window->windowTitle(), window->objectName());
      QList<QWidget*> widgets = window->findChildren<QWidget*>();
      widgets << window;
      for (QWidget* widget : widgets) {
        const QString where = window->objectName() + "." + widget->objectName();
        QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
        check(spoken->text(QAccessible::Name), where + " name");
        check(spoken->text(QAccessible::Description), where + " description");
        check(widget->toolTip(), where + " tool tip");
        if (auto* label = qobject_cast<QLabel*>(widget)) check(label->text(), where);
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) check(button->text(), where);
        if (auto* box = qobject_cast<QGroupBox*>(widget)) check(box->title(), where);
      }
    }
    for (QAction* item : rig.main.findChildren<QAction*>()) {
      check(item->text(), "menu item " + item->objectName());
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join("; ")));
  }

  void everyLanguageIsCompleteAndReadable_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QFont>("font");
    const std::pair<const char*, QFont> fonts[] = {{"Debian", QFont("DejaVu Sans", 9)},
                                                   {"GNOME", QFont("Cantarell", 11)},
                                                   {"KDE", QFont("Noto Sans", 10)},
                                                   {"Liberation", QFont("Liberation Sans", 10)}};
    for (const QString& language : Languages) {
      for (const auto& [desktop, font] : fonts) {
        QTest::addRow("%s %s", qPrintable(language), desktop) << language << font;
      }
    }
  }
  void everyLanguageIsCompleteAndReadable() {
    QFETCH(QString, language);
    QFETCH(QFont, font);
    QCOMPARE(QFontInfo(font).family(), font.family());  // the font is installed

    // Every text of the sources translated, in every plural form.
    QTranslator catalogue;
    QVERIFY(catalogue.load(Catalogue(language)));
    const QList<Message> texts = SourceTexts();
    QVERIFY(texts.size() > 50);
    for (const Message& text : texts) {
      for (int n : text.numerus ? QList{0, 1, 2, 3, 5, 11, 22, 100, 101, 102} : QList{-1}) {
        QVERIFY2(!catalogue.translate(qPrintable(text.context), qPrintable(text.source),
                                      text.comment.isEmpty() ? nullptr : qPrintable(text.comment), n)
                      .isEmpty(),
                 qPrintable(text.context + ": " + text.source));
      }
    }
    if (language != u"pseudo") {
      QFile written(QString(ZARLIN_CATALOGUES) + "/zarlin_" + language + ".ts");
      QVERIFY(written.open(QIODevice::ReadOnly));
      QCOMPARE(written.readAll().count("type=\"unfinished\""), 0);
    }

    // The access keys of the menu bar, of each menu and of each window.
    const QStringList alike = AccessKeysAlike(language);
    QVERIFY2(alike.isEmpty(), qPrintable(alike.join("; ")));

    // The pseudo-language is a third longer than English everywhere, longer than a translation
    // may be: it cannot fit the windows at the floor.
    if (language == u"pseudo") return;

    // No shrinking below the English at the same font less a point, nor below 7 points.
    QApplication::setFont(font);
    static QHash<QString, QMap<QString, double>> english;
    QStringList faults;
    if (!english.contains(font.family())) english[font.family()] = FittedSizes("en", faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    const QMap<QString, double> sizes = FittedSizes(language, faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
    QCOMPARE(sizes.keys(), english[font.family()].keys());
    const QString sample = catalogue.translate("zarlin::MainWindow", "Score:");
    for (auto size = sizes.begin(); size != sizes.end(); ++size) {
      const double floor = Floor(font, english[font.family()][size.key()], sample);
      QVERIFY2(size.value() >= floor, qPrintable(QString("%1 at %2 pt, below %3 pt")
                                                     .arg(size.key()).arg(size.value()).arg(floor)));
    }
  }

  // Qt's own texts, such as a text box's right-click menu, come from Qt's catalogue
  // (qt6-translations-l10n).
  void qtsOwnTextsSpeakTheLanguage() {
    Speak("de");
    QLineEdit box;
    const std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text().section(u'\t', 0, 0), QString("&Rückgängig"));
  }

  // Arabic reads from the right, even without Qt's own catalogues: the menu bar starts there,
  // and every control stands at its design rectangle mirrored within the client area, still
  // when a dialog is made wider.
  void rightToLeftMirrorsEveryWindow() {
    const QTemporaryDir withoutQtsCatalogues;
    SpeakLanguage("ar", withoutQtsCatalogues.path());
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    WindowRig rig;
    rig.main.show();
    QMenuBar* bar = rig.main.menuBar();
    const QRect first = bar->actionGeometry(bar->actions().first());
    QVERIFY2(first.right() >= bar->width() - 12, qPrintable(QString::number(first.right())));
    QVERIFY(first.left() > bar->actionGeometry(bar->actions().last()).right());
    QWidget* client = rig.main.centralWidget();
    QCOMPARE(client->findChild<QLabel*>("lblRound")->geometry(), QRect(181, 8, 41, 17));
    QCOMPARE(client->findChild<QLabel*>("lblScoreValue")->geometry(), QRect(-3, 32, 177, 17));
    // A counter's value stands beside its caption, at the right of its rectangle, as a number.
    const QImage value = client->findChild<QLabel*>("lblRoundValue")->grab().toImage();
    int leftmost = value.width();
    for (int y = 0; y < value.height(); ++y) {
      for (int x = 0; x < leftmost; ++x) {
        if (qGray(value.pixel(x, y)) < 128) leftmost = x;
      }
    }
    QVERIFY2(leftmost > value.width() * 3 / 4, qPrintable(QString::number(leftmost)));

    rig.trigger("G_Options");
    QWidget* options = rig.main.optionsDialog().Existing();
    const std::pair<const char*, QRect> controls[] = {
        {"frmNoColors", {259, 8, 97, 105}},  {"rbn2Colors", {275, 24, 49, 17}},
        {"rbn3Colors", {275, 40, 49, 17}},   {"rbn4Colors", {275, 56, 49, 17}},
        {"rbn5Colors", {275, 72, 49, 17}},   {"rbn6Colors", {267, 88, 57, 17}},
        {"chkSeqPattern", {123, 8, 129, 17}}, {"lblStartLen", {179, 40, 73, 17}},
        {"txtStartLen", {107, 40, 41, 25}},  {"lblDelay", {147, 72, 105, 17}},
        {"txtDelay", {107, 72, 41, 25}},     {"optOK", {19, 8, 73, 25}},
        {"optCancel", {19, 40, 73, 25}}};
    for (const auto& [name, rect] : controls) {
      QCOMPARE(options->findChild<QWidget*>(name)->geometry(), rect);
    }

    rig.trigger("I_A_Author");
    QWidget* author = rig.main.infoDialogs().AboutAuthor.Existing();
    QCOMPARE(author->findChild<QWidget*>("Ok")->geometry(), QRect(8, 8, 81, 25));
    QCOMPARE(author->findChild<QWidget*>("lblText")->geometry(), QRect(96, 16, 209, 33));
    QCOMPARE(author->findChild<QWidget*>("lblWebSite")->geometry(), QRect(96, 48, 209, 17));
    author->resize(413, 77);
    QCOMPARE(author->findChild<QWidget*>("Ok")->geometry(), QRect(108, 8, 81, 25));
    QCOMPARE(author->findChild<QWidget*>("lblText")->geometry(), QRect(196, 16, 209, 33));
  }
};

}  // namespace zarlin::testing

QTEST_MAIN(zarlin::testing::LanguagesTest)
#include "languages_test.moc"
