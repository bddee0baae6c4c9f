#include "app/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app/PathText.h"

namespace ht57 {
namespace {

// The translation fitting one language tag, empty when none does.
// Traditional Chinese is not offered the simplified script.
QString TranslationFor(QString tag) {
    tag.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = tag.split(QLatin1Char('_'));
    const QString language = parts.front().toLower();
    if (language == QLatin1String("en")) {
        return QString::fromLatin1(kLanguageEnglish);
    }
    if (language == QLatin1String("zh")) {
        for (const QString& part : parts.mid(1)) {
            const QString upper = part.toUpper();
            if (upper == QLatin1String("HANT") || upper == QLatin1String("TW") ||
                upper == QLatin1String("HK") || upper == QLatin1String("MO")) {
                return {};
            }
        }
        return QString::fromLatin1(kLanguageChinese);
    }
    return {};
}

}  // namespace

std::filesystem::path TranslationFolder(const std::filesystem::path& resourceFolder) {
    return resourceFolder / "translations";
}

QString ChooseLanguage(const QString& setting, const QStringList& systemLanguages) {
    if (const QString chosen = TranslationFor(setting.trimmed()); !chosen.isEmpty()) {
        return chosen;
    }
    for (const QString& tag : systemLanguages) {
        if (const QString chosen = TranslationFor(tag); !chosen.isEmpty()) {
            return chosen;
        }
    }
    return QString::fromLatin1(kLanguageEnglish);
}

bool InstallTranslations(QCoreApplication& app, const std::filesystem::path& folder,
                         const QString& language) {
    auto* own = new QTranslator(&app);
    const bool loaded = own->load(QStringLiteral("ht57_") + language, PathToQString(folder)) &&
                        QCoreApplication::installTranslator(own);
    if (!loaded) {
        delete own;
    }
    auto* qt = new QTranslator(&app);
    if (!qt->load(QStringLiteral("qtbase_") + language,
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(qt)) {
        delete qt;
    }
    return loaded;
}

}  // namespace ht57
