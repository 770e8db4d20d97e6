#include "ui/Unit1.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    // The command line is not read: Qt gets only the program name.
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    QApplication app(qtArgc, qtArgv);
    vareldo::T_PRINCIPALE window;
    window.show();
    return app.exec();
}
