// A stand-in for Vareldo.exe that the Windows tests start as a process of its own. It runs the
// program entry's own work with a window of its choosing and writes what it saw to its output:
//
//   vareldo_probe title            the application title
//   vareldo_probe shown            a window shown as the launch asked, closed again: its state
//   vareldo_probe failing-window   a window that fails while it is built: the report's box
//   vareldo_probe geometry         where the end-to-end run's controls lie in the real window,
//                                  as "name page x y width height" in the window's pixels
#include "text/Failures.h"
#include "ui/MessageBoxes.h"
#include "ui/NamedChild.h"
#include "ui/Program.h"
#include "ui/Unit1.h"

#include <QApplication>
#include <QMessageBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

void say(const QString& line)
{
    std::fputs((line + u'\n').toUtf8().constData(), stdout);
    std::fflush(stdout);
}

// Reports the box that the program opens, then closes it as a user would.
void closeTheBoxWhenItOpens()
{
    auto* watch = new QTimer(qApp);
    QObject::connect(watch, &QTimer::timeout, [watch] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        watch->stop();
        say(QStringLiteral("box: ") + box->windowTitle());
        say(box->text());
        box->done(QMessageBox::Ok);
    });
    watch->start(50);
}

class FailingWindow : public QWidget {
public:
    FailingWindow()
    {
        closeTheBoxWhenItOpens();
        throw vareldo::EConvertError::InvalidFloat(QStringLiteral("built"));
    }
};

// Says how it was shown once it is on screen, then closes.
class ShownWindow : public QWidget {
protected:
    void showEvent(QShowEvent* event) override
    {
        QWidget::showEvent(event);
        QTimer::singleShot(0, this, [this] {
            say(windowState() & Qt::WindowMaximized   ? QStringLiteral("maximised")
                : windowState() & Qt::WindowMinimized ? QStringLiteral("minimised")
                                                      : QStringLiteral("normal"));
            close();
        });
    }
};

// The real window, laid out as Vareldo.exe lays it out in the same prefix and on the same
// display; the end-to-end run clicks where this says.
int reportGeometry(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vareldo::WindowContext context = vareldo::DesktopContext();
    context.showMessage = [](const QString&) {};
    vareldo::T_PRINCIPALE window(context);
    window.show();
    QApplication::processEvents();
    auto* pages = &vareldo::NamedChild<QTabWidget>(window, QStringLiteral("PageControl1"));
    QTabBar* tabs = pages->tabBar();
    for (int page = 0; page < pages->count(); ++page) {
        const QRect tab(tabs->mapTo(&window, tabs->tabRect(page).topLeft()), tabs->tabRect(page).size());
        say(QStringLiteral("tab%1 %1 %2 %3 %4 %5").arg(page).arg(tab.x()).arg(tab.y()).arg(tab.width()).arg(tab.height()));
    }
    const char* const controls[] = {"ComboBoxReddito", "CheckContributiPre", "ChecklavoroDipendente",
                                    "ButtonCalcolaTasse", "LabelRisultatoTasse", "Memo1"};
    for (const char* name : controls) {
        auto* control = &vareldo::NamedChild<QWidget>(window, QString::fromLatin1(name));
        int page = 0;
        while (page < pages->count() && !pages->widget(page)->isAncestorOf(control))
            ++page;
        pages->setCurrentIndex(page);
        QApplication::processEvents();
        const QRect box(control->mapTo(&window, QPoint(0, 0)), control->size());
        say(QStringLiteral("%1 %2 %3 %4 %5 %6")
                .arg(QString::fromLatin1(name)).arg(page).arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height()));
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "title") == 0) {
        QApplication app(argc, argv);
        say(vareldo::ApplicationTitle());
        return 0;
    }
    if (std::strcmp(mode, "shown") == 0)
        return vareldo::RunProgram(argc, argv, [] { return std::make_unique<ShownWindow>(); });
    if (std::strcmp(mode, "failing-window") == 0)
        return vareldo::RunProgram(argc, argv, [] { return std::make_unique<FailingWindow>(); });
    if (std::strcmp(mode, "geometry") == 0)
        return reportGeometry(argc, argv);
    say(QStringLiteral("unknown mode"));
    return 2;
}
