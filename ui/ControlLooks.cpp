#include "ui/ControlLooks.h"

#include "core/NamedControls.h"
#include "ui/FontSubstitutes.h"
#include "ui/NamedChild.h"

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QPalette>
#include <QWidget>

#include <optional>

namespace vareldo {

namespace {

constexpr Rgb White = 0xFFFFFF;
constexpr Rgb Black = 0x000000;
constexpr Rgb Maroon = 0x800000;
constexpr Rgb Silver = 0xC0C0C0;
constexpr Rgb Lime = 0x00FF00;

enum class Weight { Regular, Bold };

struct Look {
    const char* name;
    int pixelHeight;
    Weight weight;
    std::optional<Rgb> textColour;       // none: the window text colour
    std::optional<Rgb> background = {};
};

// Controls whose font or colours differ from their parent's.
const Look looks[] = {
    {"Label1", 21, Weight::Bold, {}},
    {"ComboBoxReddito", 24, Weight::Regular, {}},
    {"LabScaglione1", 12, Weight::Bold, ColourRed},
    {"ALIQUOTA", 12, Weight::Regular, ColourRed},
    {"LabScaglione2", 12, Weight::Bold, ColourBlue},
    {"Label3", 12, Weight::Regular, ColourBlue},
    {"LabScaglione3", 12, Weight::Bold, ColourGreen},
    {"Label4", 12, Weight::Regular, ColourGreen},
    {"LabelRisultatoTasse", 27, Weight::Bold, {}},
    {"ButtonCalcolaTasse", 19, Weight::Bold, ColourRed},
    {"Label2", 12, Weight::Regular, ColourRed},
    {"Panel2", 12, Weight::Regular, {}, ColourGreen},
    {"Label9", 12, Weight::Bold, White},
    {"Label5", 12, Weight::Bold, White},
    {"Label7", 12, Weight::Bold, White},
    {"Label8", 12, Weight::Bold, White},
    {"Panel3", 12, Weight::Regular, Black, Silver},
    {"LabelDetrazioni", 11, Weight::Bold, Maroon},
    {"LabelDeduzioni", 11, Weight::Bold, Maroon},
    {"Memo1", 16, Weight::Regular, Lime, Black},
};

QFont segoeUi(int pixelHeight, Weight weight)
{
    return DesignedFace(QStringLiteral("Segoe UI"), pixelHeight, weight == Weight::Bold);
}

void apply(QWidget& control, const Look& look)
{
    control.setFont(segoeUi(look.pixelHeight, look.weight));
    QPalette palette = control.palette();
    if (look.textColour) {
        const QColor colour = QColor::fromRgb(*look.textColour);
        // Labels and check boxes draw with WindowText, buttons with ButtonText, boxes with Text.
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(role, colour);
    }
    if (look.background) {
        // A panel fills with Window, a text area with Base.
        const bool textArea = qobject_cast<QAbstractScrollArea*>(&control) != nullptr;
        palette.setColor(textArea ? QPalette::Base : QPalette::Window, QColor::fromRgb(*look.background));
    }
    control.setPalette(palette);
}

} // namespace

void ApplyControlLooks(QWidget& window)
{
    window.setFont(segoeUi(12, Weight::Regular));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    window.setPalette(palette);

    for (const Look& look : looks) {
        apply(NamedChild<QWidget>(window, QString::fromLatin1(look.name)), look);
    }
}

} // namespace vareldo
