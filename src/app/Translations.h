#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>

class QCoreApplication;

namespace ht57 {

// The [Setup] key naming the program's language, and its values: a language
// the program has a translation for, or "system" (also meant by an empty or
// missing key, or a value no translation fits) to follow the desktop.
inline constexpr const char* kLanguageKey = "Language";
inline constexpr const char* kLanguageSystem = "system";
inline constexpr const char* kLanguageEnglish = "en";
inline constexpr const char* kLanguageChinese = "zh_CN";

// Where the built translations are: "translations" beside the pictures.
std::filesystem::path TranslationFolder(const std::filesystem::path& resourceFolder);

// The language to run in: the setting when it names a translation, else the
// first of the desktop's languages (most wanted first, "zh-Hans-CN", "en-GB")
// that has one, else English, whose file also renders the few Chinese source
// texts.
QString ChooseLanguage(const QString& setting, const QStringList& systemLanguages);

// Installs the program's translation ht57_<language>.qm from `folder` and Qt's
// own for its standard buttons and menus onto `app`. A missing file leaves its
// texts as written in the source. False when the program's own file was not
// found.
bool InstallTranslations(QCoreApplication& app, const std::filesystem::path& folder,
                         const QString& language);

}  // namespace ht57
