#include "ui/FontSubstitutes.h"

#include <QFont>
#include <QFontDatabase>
#include <QString>
#include <QStringList>

#include <iterator>

namespace vareldo {

namespace {

struct Substitute {
    const char* face;
    const char* standIn;
    int stretch; // percent of the stand-in's own width that gives the face's widths
};

// Measured with tools/fontfit against the widths of the window's auto-sized labels:
// Open Sans is 4.5 % wider than Segoe UI on average, and at 96 % every label is within 4.5 %.
// Liberation Sans has Arial's widths.
const Substitute Substitutes[] = {
    {"Segoe UI", "Open Sans", 96},
    {"Arial", "Liberation Sans", 100},
};

bool substituted[std::size(Substitutes)] = {};

} // namespace

void SubstituteMissingFaces()
{
    // Where the face itself is installed (as on Windows) it is used as it is.
    const QStringList installed = QFontDatabase::families();
    for (std::size_t i = 0; i < std::size(Substitutes); ++i) {
        const QString face = QString::fromLatin1(Substitutes[i].face);
        substituted[i] = !installed.contains(face, Qt::CaseInsensitive);
        if (substituted[i])
            QFont::insertSubstitution(face, QString::fromLatin1(Substitutes[i].standIn));
    }
}

QFont DesignedFace(const QString& family, int pixelHeight, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelHeight);
    font.setBold(bold);
    for (std::size_t i = 0; i < std::size(Substitutes); ++i)
        if (substituted[i] && family.compare(QLatin1String(Substitutes[i].face), Qt::CaseInsensitive) == 0 &&
            Substitutes[i].stretch != 100)
            font.setStretch(Substitutes[i].stretch);
    return font;
}

} // namespace vareldo
