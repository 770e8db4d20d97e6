// The second baseline of the start-up benchmark: one window holding a titled chart view.
#include <QApplication>
#include <QChart>
#include <QChartView>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("ISTOGRAMMA : IMPOSTE PER SCAGLIONI"));
    QChartView view(chart);
    view.resize(884, 666);
    view.show();
    return app.exec();
}
