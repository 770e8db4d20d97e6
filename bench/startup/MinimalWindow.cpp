// The baseline of the start-up benchmark: a Qt Widgets program showing one empty window.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(884, 666);
    window.show();
    return app.exec();
}
