// The language the game speaks, chosen afresh at each start from the environment as the desktop
// chooses it, and nothing kept: LANGUAGE's list first, otherwise LC_ALL, LC_MESSAGES and LANG.
#pragma once

#include <QLibraryInfo>
#include <QString>
#include <functional>

namespace zarlin {

// The catalogue's name of the language to speak ("de", "pt_BR", "zh_TW"), or "en" for the
// design's English, from the environment variables that `variable` reads. English is a language
// the game speaks: the first language of the list that the game speaks wins, English included.
QString ChooseLanguage(const std::function<QString(const char*)>& variable);
QString ChooseLanguage();  // from the process's own environment

// Makes the game and Qt's own dialogs speak `language` (Qt's where its catalogue is installed in
// `qtCatalogues`) and sets the windows' direction from it. Before the first window is made: a
// widget keeps the text it was given.
void SpeakLanguage(const QString& language,
                   const QString& qtCatalogues = QLibraryInfo::path(QLibraryInfo::TranslationsPath));

}  // namespace zarlin
