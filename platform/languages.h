// The language a program speaks: chosen at start from the desktop's preferences.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

// Where each program keeps its translations: <program>_<language>.qm, embedded.
inline constexpr const char* kTranslationFolder = ":/i18n";

// The languages the program has a translation file for ("de", "pt_BR" ...), in name order.
QStringList translatedLanguages(const QString& program, const QString& folder);

// The translation for the first of the preferred languages (names such as "fr-CA", best first)
// that is English or has one: "" for English, which needs none. A language takes a translation
// of the same language and script ("pt-PT" takes "pt_BR", "zh-TW" does not take "zh_CN"); a
// name that is no language ("C" is English) is passed over.
QString chooseLanguage(const QStringList& preferred, const QStringList& available);

// Installs the program's translation for the desktop's preferences, and Qt's own (standard
// buttons, file dialogs) beside it. A translation that is damaged or holds nothing leaves the
// next preference to decide. Gives the language spoken, "" for English.
QString installTranslations(const QString& program,
                            const QStringList& preferred = QLocale::system().uiLanguages(),
                            const QString& folder = QString::fromLatin1(kTranslationFolder));

// Takes back what installTranslations installed: the program speaks English again.
void removeTranslations();
