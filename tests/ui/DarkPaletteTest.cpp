#include "tests/support/WindowHarness.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>

#include <cmath>
#include <map>

namespace vareldo::testing {
namespace {

// A desktop's palette for the time of a test.
class DesktopPalette {
public:
    explicit DesktopPalette(const QPalette& palette) : saved_(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~DesktopPalette() { QApplication::setPalette(saved_); }

private:
    QPalette saved_;
};

QPalette darkDesktop()
{
    QPalette dark;
    const QColor face(0x35, 0x35, 0x35), field(0x2a, 0x2a, 0x2a), text(Qt::white);
    for (const auto& [role, colour] : std::map<QPalette::ColorRole, QColor>{
             {QPalette::Window, face}, {QPalette::WindowText, text}, {QPalette::Base, field},
             {QPalette::AlternateBase, face}, {QPalette::Text, text}, {QPalette::Button, face},
             {QPalette::ButtonText, text}, {QPalette::Light, QColor(0x50, 0x50, 0x50)},
             {QPalette::Midlight, QColor(0x45, 0x45, 0x45)}, {QPalette::Mid, QColor(0x25, 0x25, 0x25)},
             {QPalette::Dark, QColor(0x20, 0x20, 0x20)}, {QPalette::Shadow, Qt::black},
             {QPalette::Highlight, QColor(0x2a, 0x82, 0xda)}, {QPalette::HighlightedText, Qt::black}})
        dark.setColor(role, colour);
    return dark;
}

// A light desktop that is not the style's own palette.
QPalette lightDesktop()
{
    QPalette light = QApplication::style()->standardPalette();
    light.setColor(QPalette::Button, QColor(0xe4, 0xe0, 0xd8));
    light.setColor(QPalette::Window, QColor(0xe4, 0xe0, 0xd8));
    return light;
}

double luminance(QRgb pixel)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(pixel)) + 0.7152 * channel(qGreen(pixel)) + 0.0722 * channel(qBlue(pixel));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The contrast of a text with what it stands on: the commonest colour of its box is the
// ground, the pixel that differs most from it is the heart of a letter.
double textContrast(const QImage& shot, const QRect& box)
{
    std::map<QRgb, int> counts;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            ++counts[shot.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most)
            ground = colour, most = count;
    double best = 1;
    for (const auto& [colour, count] : counts)
        best = std::max(best, contrast(colour, ground));
    return best;
}

struct Text {
    const char* control;
    int page;
    QRect part; // of the control, in its own coordinates; empty: the whole control
};

// Texts of every kind the window shows: fixed colours on the button face, on the panels and
// in the boxes, the window's own text colour, the summary and the chart.
const Text Texts[] = {
    {"RichEdit1", 0, {4, 4, 400, 40}},
    {"Label1", 1, {}},
    {"Label6", 1, {}},
    {"LabScaglione1", 1, {}},
    {"ALIQUOTA", 1, {}},
    {"LabScaglione2", 1, {}},
    {"Label3", 1, {}},
    {"LabScaglione3", 1, {}},
    {"Label4", 1, {}},
    {"Label2", 1, {}},
    {"ButtonCalcolaTasse", 1, {4, 4, 270, 30}},
    {"EditLimiteScaglione1", 1, {3, 3, 60, 17}},
    {"Label9", 1, {}},
    {"EditAmount", 1, {3, 3, 20, 17}},
    {"LabelDetrazioni", 1, {}},
    {"ChecklavoroDipendente", 1, {18, 0, 100, 17}},
    {"EditLavoroDipendente", 1, {3, 3, 30, 17}},
    {"ChartTasse", 1, {40, 0, 280, 30}},
    {"Memo1", 2, {2, 2, 300, 40}},
    {"ListBox1", 3, {2, 2, 300, 40}},
};

// The contrast of every text in the table, in a window built under one desktop palette and
// shown under another.
std::map<std::string, double> contrasts(const QPalette& built, const QPalette& shown)
{
    const DesktopPalette palette(built);
    SettingsGuard italian{Italian};
    ExeFolder folder;
    folder.writeUsualFiles();
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    window.AppendMemoLine(QStringLiteral("Calcolo delle Imposte per un Reddito LORDO di €10000,00"));
    window.show();
    const DesktopPalette change(shown);
    auto& pages = NamedChild<QTabWidget>(window, QStringLiteral("PageControl1"));
    std::map<std::string, double> found;
    for (int page = 0; page < pages.count(); ++page) {
        pages.setCurrentIndex(page);
        QApplication::processEvents();
        const QImage shot = window.grab().toImage();
        for (const Text& text : Texts) {
            if (text.page != page)
                continue;
            const QWidget& control = NamedChild<QWidget>(window, QString::fromLatin1(text.control));
            const QRect part = text.part.isEmpty() ? control.rect() : text.part & control.rect();
            found[text.control] = textContrast(shot, QRect(control.mapTo(&window, part.topLeft()), part.size()));
        }
    }
    return found;
}

TEST(DarkPalette, EveryTextKeepsTheContrastItHasOnALightDesktop)
{
    const auto light = contrasts(lightDesktop(), lightDesktop());
    const struct {
        const char* what;
        std::map<std::string, double> found;
    } darkCases[] = {
        {"started on a dark desktop", contrasts(darkDesktop(), darkDesktop())},
        {"the desktop turned dark while the window is open", contrasts(lightDesktop(), darkDesktop())},
    };
    for (const auto& dark : darkCases) {
        SCOPED_TRACE(dark.what);
        for (const Text& text : Texts) {
            SCOPED_TRACE(text.control);
            EXPECT_GT(light.at(text.control), 3.0) << "the light desktop shows the text at all";
            EXPECT_GE(dark.found.at(text.control), light.at(text.control) - 0.05)
                << "contrast " << dark.found.at(text.control) << ":1 on the dark desktop, " << light.at(text.control)
                << ":1 on the light one";
        }
    }
}

TEST(DarkPalette, OnALightDesktopTheWindowFollowsTheDesktop)
{
    const DesktopPalette palette(lightDesktop());
    ExeFolder folder;
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Base, QPalette::Text, QPalette::Button})
        EXPECT_EQ(str(lightDesktop().color(role).name()), str(window.palette().color(role).name())) << role;
    EXPECT_EQ("#e4e0d8", str(window.palette().color(QPalette::Window).name())) << "the desktop's button face";
}

TEST(DarkPalette, ADesktopTurningDarkLeavesTheResultAsTheCalculationLeftIt)
{
    const DesktopPalette palette(lightDesktop());
    SettingsGuard italian{Italian};
    ExeFolder folder;
    folder.writeUsualFiles();
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    window.show();
    NamedChild<QPushButton>(window, QStringLiteral("ButtonCalcolaTasse")).click();
    const QLabel& result = NamedChild<QLabel>(window, QStringLiteral("LabelRisultatoTasse"));
    const QString resultText = result.text();
    const QSize resultSize = result.size();

    const DesktopPalette turned(darkDesktop());
    QApplication::processEvents();
    EXPECT_EQ("#008000", str(result.palette().color(QPalette::WindowText).name()));
    EXPECT_EQ(str(resultText), str(result.text()));
    EXPECT_EQ(resultSize, result.size());
    EXPECT_EQ(27, result.font().pixelSize());
}

} // namespace
} // namespace vareldo::testing
