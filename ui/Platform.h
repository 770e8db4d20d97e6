#pragma once

// What the program asks of the operating system beyond Qt itself. One source per system:
// Platform_win.cpp on Windows, Platform_posix.cpp elsewhere; nothing else in the program
// names a system.
#include <QString>

#include <functional>

class QApplication;
class QWidget;

namespace vareldo::platform {

// The folder of the running executable, written with the system's own separators and ending
// with one ("C:\Scuola\Vareldo\" on Windows).
QString ExecutableFolder();

// The shell's "open" action on a folder, shown normally; its result is not examined.
void OpenFolderInShell(const QString& folderPath);

// The user's decimal and digit-grouping symbols, as the system reports them now.
struct NumberSymbols {
    QString decimal;
    QString grouping;
};
NumberSymbols UserNumberSymbols();

// Calls reread whenever the system announces that the user's regional settings changed and
// Qt does not pass that on as a LocaleChange event (Windows: WM_SETTINGCHANGE "intl").
void WatchRegionalSettings(QApplication& application, std::function<void()> reread);

// How the launch asked the main window to be shown (Windows: the show request the process
// was started with, which Qt does not apply).
enum class ShowRequest { Normal, Maximised, Minimised };
ShowRequest LaunchShowRequest();

// Shows the main window as the launch asked.
void ShowAsLaunched(QWidget& window);

} // namespace vareldo::platform
