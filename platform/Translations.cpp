// SPDX-FileCopyrightText: 2026 The Tolvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// What makes Qt lay the windows out right to left: the translation of this text reads "RTL" in
// a language written that way. Qt asks for it under this context and comment; marked here, every
// translation of the game carries it, with or without Qt's own translations installed.
[[maybe_unused]] constexpr const char* LayoutDirection[] = QT_TRANSLATE_NOOP3(
    "QGuiApplication", "QT_LAYOUT_DIRECTION",
    "Translate this string to the string 'LTR' in left-to-right languages or to 'RTL' in "
    "right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.");

bool IsDesignedLanguage(const QLocale& language) {
    return language.language() == QLocale::C || language.language() == QLocale::English;
}

// A translation of the application's, kept by it; false when there is none for the language.
bool Install(QCoreApplication& application, const QLocale& language, const QString& name,
             const QString& folder) {
    auto* translator = new QTranslator(&application);
    if (translator->load(language, name, QStringLiteral("_"), folder) &&
        QCoreApplication::installTranslator(translator))
        return true;
    delete translator;
    return false;
}

} // namespace

void InstallTranslations(QCoreApplication& application) {
    for (const QString& name : QLocale::system().uiLanguages()) {
        const QLocale language(name);
        if (IsDesignedLanguage(language))
            return;
        if (Install(application, language, QStringLiteral("tolvane"), QStringLiteral(":/i18n"))) {
            Install(application, language, QStringLiteral("qtbase"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath));
            return;
        }
    }
}
