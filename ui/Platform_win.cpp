#include "ui/Platform_win.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QWidget>

#include <shellapi.h>

#include <string>
#include <utility>

namespace vareldo::platform {

ShellExecuteFunction ShellExecuteCall = ::ShellExecuteW;

QString ExecutableFolder()
{
    QString folder = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    if (!folder.endsWith(u'\\'))
        folder += u'\\';
    return folder;
}

void OpenFolderInShell(const QString& folderPath)
{
    // Qt's own desktop services ask the shell with no verb; the folder is opened with "open".
    const std::wstring file = QDir::toNativeSeparators(folderPath).toStdWString();
    ShellExecuteCall(nullptr, L"open", file.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

namespace {

// The user's own symbol, read afresh: Qt keeps the values it read when it started.
QString userLocaleInfo(LCTYPE type)
{
    wchar_t symbol[32] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, symbol, int(std::size(symbol)));
    if (length <= 1)
        return {};
    return QString::fromWCharArray(symbol, length - 1);
}

// Qt 6.4 turns no WM_SETTINGCHANGE into a LocaleChange event on Windows, so the program
// listens for it itself; the shell re-creating its task bar counts as a change too.
class RegionalSettingsFilter : public QAbstractNativeEventFilter {
public:
    explicit RegionalSettingsFilter(std::function<void()> reread)
        : reread_(std::move(reread)), taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated"))
    {
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) override
    {
        if (eventType != "windows_generic_MSG" || !message)
            return false;
        const MSG& msg = *static_cast<const MSG*>(message);
        if (msg.message == WM_SETTINGCHANGE && msg.lParam &&
            lstrcmpiW(reinterpret_cast<LPCWSTR>(msg.lParam), L"intl") == 0)
            reread_();
        else if (taskbarCreated_ != 0 && msg.message == taskbarCreated_)
            reread_();
        return false; // Qt and the windows go on seeing the message
    }

private:
    std::function<void()> reread_;
    UINT taskbarCreated_;
};

} // namespace

NumberSymbols UserNumberSymbols()
{
    return {userLocaleInfo(LOCALE_SDECIMAL), userLocaleInfo(LOCALE_STHOUSAND)};
}

void WatchRegionalSettings(QApplication& application, std::function<void()> reread)
{
    // Lives as long as the application, which removes it when it goes.
    auto* filter = new RegionalSettingsFilter(std::move(reread));
    application.installNativeEventFilter(filter);
    QObject::connect(&application, &QObject::destroyed, [filter] { delete filter; });
}

ShowRequest ShowRequestFrom(DWORD flags, WORD showWindow)
{
    if (!(flags & STARTF_USESHOWWINDOW))
        return ShowRequest::Normal;
    switch (showWindow) {
    case SW_SHOWMAXIMIZED:
        return ShowRequest::Maximised;
    case SW_SHOWMINNOACTIVE:
    case SW_MINIMIZE:
        return ShowRequest::Minimised; // minimised without being made the active window
    default:
        return ShowRequest::Normal;
    }
}

ShowRequest LaunchShowRequest()
{
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    return ShowRequestFrom(startup.dwFlags, startup.wShowWindow);
}

void ShowAsLaunched(QWidget& window)
{
    switch (LaunchShowRequest()) {
    case ShowRequest::Maximised:
        window.showMaximized();
        break;
    case ShowRequest::Minimised:
        window.setAttribute(Qt::WA_ShowWithoutActivating);
        window.showMinimized();
        break;
    case ShowRequest::Normal:
        window.show();
        break;
    }
}

} // namespace vareldo::platform
