#include "ui/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace vareldo {

QStringList QtTranslationFolders()
{
    return {QLibraryInfo::path(QLibraryInfo::TranslationsPath), QStringLiteral(":/translations")};
}

QTranslator* InstallQtTranslation(QCoreApplication& application, const QLocale& locale, const QStringList& folders)
{
    auto* translator = new QTranslator(&application);
    for (const QString& folder : folders) {
        // qtbase, not qt: qt_*.qm only points to the modules' files beside it.
        if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(translator);
            return translator;
        }
    }
    delete translator;
    return nullptr;
}

} // namespace vareldo
