// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/program/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quenbrook {

void LoadTranslations(QCoreApplication& app)
{
    const QLocale locale = QLocale::system();
    // The program's own are built into it, so a program run from the build folder finds them.
    const struct
    {
        const char* name;
        QString folder;
    } catalogs[] = {{"qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath)},
                    {"quenbrook", QStringLiteral(":/translations")}};
    for (const auto& catalog : catalogs) {
        auto* translator = new QTranslator(&app);
        if (translator->load(locale, QLatin1String(catalog.name), QStringLiteral("_"),
                             catalog.folder))
            QCoreApplication::installTranslator(translator);
        else
            delete translator;
    }
}

} // namespace quenbrook
