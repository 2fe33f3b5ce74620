// The language chosen from the environment, as GNOME and KDE choose it.
#include <gtest/gtest.h>

#include <QMap>

#include "app/language.h"

namespace zarlin {
namespace {

TEST(Language, IsChosenAsTheDesktopChoosesIt) {
  const std::pair<QMap<QString, QString>, QString> rows[] = {
      {{{"LANG", "C.UTF-8"}, {"LANGUAGE", "de"}}, "de"},
      {{{"LANGUAGE", "eo:es:de"}, {"LANG", "de_DE.UTF-8"}}, "es"},
      {{{"LANGUAGE", "en_GB:de"}, {"LANG", "de_DE.UTF-8"}}, "en"},
      {{{"LANGUAGE", "eo"}, {"LANG", "de_DE.UTF-8"}}, "en"},
      {{{"LANGUAGE", ""}, {"LANG", "de_DE.UTF-8"}}, "de"},
      {{{"LC_ALL", "fr_CA.UTF-8"}, {"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "fr"},
      {{{"LC_MESSAGES", "it_IT.UTF-8"}, {"LANG", "de_DE.UTF-8"}}, "it"},
      {{{"LANG", "de_AT.UTF-8"}}, "de"},
      {{{"LANG", "de_DE@euro"}}, "de"},
      {{{"LANG", "pt_PT.UTF-8"}}, "pt_BR"},
      {{{"LANG", "pt_BR.UTF-8"}}, "pt_BR"},
      {{{"LANG", "zh_HK.UTF-8"}}, "zh_TW"},
      {{{"LANG", "zh_MO.UTF-8"}}, "zh_TW"},
      {{{"LANGUAGE", "zh_Hant"}}, "zh_TW"},
      {{{"LANGUAGE", "zh-Hant-HK"}}, "zh_TW"},
      {{{"LANG", "zh_TW.UTF-8"}}, "zh_TW"},
      {{{"LANG", "zh_SG.UTF-8"}}, "zh_CN"},
      {{{"LANG", "zh_CN.GB18030"}}, "zh_CN"},
      {{{"LANG", "ja_JP.UTF-8"}}, "ja"},
      {{{"LANG", "ar_EG.UTF-8"}}, "ar"},
      {{{"LANG", "he_IL.UTF-8"}}, "he"},
      {{{"LANG", "tr_TR.UTF-8"}}, "tr"},
      {{{"LANG", "uk_UA.UTF-8"}}, "uk"},
      {{{"LANG", "sr_RS@latin"}}, "en"},
      {{{"LANG", "C"}}, "en"},
      {{}, "en"},
  };
  for (const auto& [environment, language] : rows) {
    const QString chosen =
        ChooseLanguage([&environment](const char* name) { return environment.value(name); });
    EXPECT_EQ(chosen.toStdString(), language.toStdString())
        << QStringList(environment.keys()).join(' ').toStdString() << " = "
        << QStringList(environment.values()).join(' ').toStdString();
  }
}

}  // namespace
}  // namespace zarlin
