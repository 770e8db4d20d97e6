#include "ui/Program.h"

#include "ui/FontSubstitutes.h"
#include "ui/LocaleNumberSettings.h"
#include "ui/MessageBoxes.h"
#include "ui/Platform.h"
#include "ui/QtTranslations.h"

#include <QApplication>
#include <QLocale>

#include <exception>

namespace vareldo {

int RunProgram(int argc, char* argv[], const std::function<std::unique_ptr<QWidget>()>& makeWindow)
{
    TakeNumberSettingsFromLocale();

    // The command line is not read: Qt gets only the program name, so that
    // options such as -style or -reverse change nothing.
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    SubstituteMissingFaces();
    InstallQtTranslation(app, QLocale::system());
    platform::WatchRegionalSettings(app, [] { TakeNumberSettingsFromLocale(); });

    try {
        const std::unique_ptr<QWidget> window = makeWindow();
        platform::ShowAsLaunched(*window);
        return app.exec();
    } catch (const std::exception& failure) {
        ShowLastChanceReport(failure);
        return 1;
    }
}

} // namespace vareldo
