#include "ui/Platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QLocale>
#include <QUrl>
#include <QWidget>

namespace vareldo::platform {

QString ExecutableFolder()
{
    return QCoreApplication::applicationDirPath() + u'/';
}

void OpenFolderInShell(const QString& folderPath)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(folderPath));
}

NumberSymbols UserNumberSymbols()
{
    const QLocale locale = QLocale::system();
    return {locale.decimalPoint(), locale.groupSeparator()};
}

void WatchRegionalSettings(QApplication&, std::function<void()>)
{
    // Qt turns a change of the locale into a LocaleChange event here, which the window takes.
}

ShowRequest LaunchShowRequest()
{
    return ShowRequest::Normal;
}

void ShowAsLaunched(QWidget& window)
{
    window.show();
}

} // namespace vareldo::platform
