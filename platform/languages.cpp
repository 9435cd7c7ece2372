// The language a program speaks: chosen at start from the desktop's preferences.
#include "platform/languages.h"

#include "platform/translation.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>
#include <optional>

namespace {

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
    QString language;
};

Installed& installed() {
    static Installed translations;
    return translations;
}

bool isEnglish(const QString& name) {
    const QString lowered = name.toLower();
    return lowered == u"c" || lowered == u"posix" || lowered.startsWith(u"c.") ||
           QLocale(name).language() == QLocale::English;
}

// What one preference decides: nothing (no such language, or no translation of it), English
// (""), or a translation.
std::optional<QString> decide(const QString& name, const QStringList& available) {
    if (isEnglish(name)) {
        return QString();
    }
    const QLocale wanted(name);
    if (wanted.language() == QLocale::C || wanted.language() == QLocale::AnyLanguage) {
        return std::nullopt;
    }
    std::optional<QString> sameLanguage;
    for (const QString& language : available) {
        const QLocale offered(language);
        if (offered.language() != wanted.language() || offered.script() != wanted.script()) {
            continue;
        }
        if (offered.territory() == wanted.territory()) {
            return language;
        }
        if (!sameLanguage) {
            sameLanguage = language;
        }
    }
    return sameLanguage;
}

// The translation file of one language, loaded; nothing when it is missing, damaged or empty.
std::unique_ptr<QTranslator> loadOwn(const QString& program, const QString& language,
                                     const QString& folder) {
    auto translator = std::make_unique<QTranslator>();
    const QString file = QDir(folder).filePath(program + u'_' + language + QStringLiteral(".qm"));
    if (!translator->load(file) || translator->isEmpty()) {
        return nullptr;
    }
    return translator;
}

std::unique_ptr<QTranslator> loadQt(const QString& language) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    return translator;
}

} // namespace

QStringList translatedLanguages(const QString& program, const QString& folder) {
    const QString prefix = program + u'_';
    QStringList languages;
    for (const QString& file :
         QDir(folder).entryList({prefix + QStringLiteral("*.qm")}, QDir::Files, QDir::Name)) {
        languages.append(file.mid(prefix.size(), file.size() - prefix.size() - 3));
    }
    return languages;
}

QString chooseLanguage(const QStringList& preferred, const QStringList& available) {
    for (const QString& name : preferred) {
        if (const auto language = decide(name, available)) {
            return *language;
        }
    }
    return {};
}

QString installTranslations(const QString& program, const QStringList& preferred,
                            const QString& folder) {
    removeTranslations();
    const QStringList available = translatedLanguages(program, folder);
    for (const QString& name : preferred) {
        const auto language = decide(name, available);
        if (!language) {
            continue;
        }
        if (language->isEmpty()) {
            return {};
        }
        auto own = loadOwn(program, *language, folder);
        if (!own) {
            continue;
        }
        Installed& now = installed();
        now.own = std::move(own);
        now.qt = loadQt(*language);
        now.language = *language;
        if (now.qt) {
            QCoreApplication::installTranslator(now.qt.get());
        }
        QCoreApplication::installTranslator(now.own.get());
        return now.language;
    }
    return {};
}

void removeTranslations() {
    Installed& now = installed();
    for (QTranslator* translator : {now.own.get(), now.qt.get()}) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
        }
    }
    now = {};
}

std::u16string spokenLanguage() {
    return installed().language.toStdU16String();
}
