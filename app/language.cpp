// Choosing the language and loading its catalogues.
#include "language.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

namespace zarlin {

namespace {

QString Catalogue(const QString& language) {
  return QStringLiteral(":/translations/zarlin_%1.qm").arg(language);
}

// One entry of a list or a locale ("zh_HK.UTF-8", "sr@latin", "zh-Hant") as the catalogue that
// serves it, or an empty text where the game does not speak it.
QString CatalogueFor(QString entry) {
  entry = entry.section(u'.', 0, 0).section(u'@', 0, 0).replace(u'-', u'_');
  QStringList parts = entry.split(u'_', Qt::SkipEmptyParts);
  if (parts.isEmpty()) return {};
  const QString language = parts.takeFirst().toLower();
  if (language == u"c" || language == u"posix" || language == u"en") return QStringLiteral("en");
  // Hong Kong and Macau write the traditional script, as Taiwan does.
  if (language == u"zh") {
    for (const QString& part : parts) {
      if (part == u"Hant" || part == u"TW" || part == u"HK" || part == u"MO") return "zh_TW";
    }
    return "zh_CN";
  }
  // A reader in Portugal reads Brazilian Portuguese far more easily than English.
  if (language == u"pt") return "pt_BR";
  if (language == u"iw") return "he";  // Hebrew's old code, still met in some locales
  return QFile::exists(Catalogue(language)) ? language : QString();
}

}  // namespace

QString ChooseLanguage(const std::function<QString(const char*)>& variable) {
  // As gettext and Qt read them: a list in LANGUAGE decides alone, whatever the locale.
  QStringList wanted = variable("LANGUAGE").split(u':', Qt::SkipEmptyParts);
  if (wanted.isEmpty()) {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
      if (const QString locale = variable(name); !locale.isEmpty()) {
        wanted << locale;
        break;
      }
    }
  }
  for (const QString& entry : wanted) {
    if (const QString catalogue = CatalogueFor(entry); !catalogue.isEmpty()) return catalogue;
  }
  return QStringLiteral("en");
}

QString ChooseLanguage() {
  return ChooseLanguage([](const char* name) { return qEnvironmentVariable(name); });
}

void SpeakLanguage(const QString& language, const QString& qtCatalogues) {
  for (auto* spoken : qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly)) delete spoken;
  if (language != u"en") {
    auto* game = new QTranslator(qApp);
    if (game->load(Catalogue(language))) QCoreApplication::installTranslator(game);
    auto* qt = new QTranslator(qApp);
    if (qt->load("qtbase_" + language, qtCatalogues)) {
      QCoreApplication::installTranslator(qt);
    }
  }
  // Qt would take the direction from a translation of QT_LAYOUT_DIRECTION, found only in its
  // own catalogues, which may not be installed: the language decides, after the catalogues.
  QGuiApplication::setLayoutDirection(QLocale(language).textDirection());
}

}  // namespace zarlin
