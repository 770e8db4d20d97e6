#include "ui/FontSubstitutes.h"

#include <QFont>

namespace vareldo {

void SubstituteMissingFaces()
{
    // A substitute is used only where the named face itself is not installed.
    QFont::insertSubstitution(QStringLiteral("Segoe UI"), QStringLiteral("Open Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

} // namespace vareldo
