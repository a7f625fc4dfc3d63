// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QCoreApplication;

namespace quenbrook {

// Installs Qt's own translation and the program's for the user's languages (QLocale::system():
// LANGUAGE, else LC_ALL, LC_MESSAGES or LANG). A language with no translation stays English.
void LoadTranslations(QCoreApplication& app);

} // namespace quenbrook
