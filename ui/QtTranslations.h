#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

class QCoreApplication;
class QTranslator;

namespace vareldo {

// Where Qt's own translations are looked for: Qt's installed ones (on Debian from
// qt6-translations-l10n), then those the program carries in its resources.
QStringList QtTranslationFolders();

// Installs Qt's own texts (the edit boxes' menus, the standard dialogs) in the first of the
// locale's interface languages found in the folders, and gives the translator, which the
// application owns; none when no folder has one. The program's own texts are not translated.
QTranslator* InstallQtTranslation(QCoreApplication& application, const QLocale& locale,
                                  const QStringList& folders = QtTranslationFolders());

} // namespace vareldo
