#include "ui/FontSubstitutes.h"
#include "ui/LocaleNumberSettings.h"
#include "ui/MessageBoxes.h"
#include "ui/QtTranslations.h"
#include "ui/Unit1.h"

#include <QApplication>

#include <exception>

int main(int argc, char* argv[])
{
    vareldo::TakeNumberSettingsFromLocale();

    // The command line is not read: Qt gets only the program name, so that
    // options such as -style or -reverse change nothing.
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    vareldo::SubstituteMissingFaces();
    vareldo::InstallQtTranslation(app, QLocale::system());

    try {
        vareldo::T_PRINCIPALE window;
        window.show();
        return app.exec();
    } catch (const std::exception& failure) {
        vareldo::ShowLastChanceReport(failure);
        return 1;
    }
}
