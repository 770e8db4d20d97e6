#pragma once

class QFont;
class QString;

namespace vareldo {

// Maps the window's and the printout's faces to installed faces of the same widths where
// they are missing; to be called once, after the application object and before any window.
void SubstituteMissingFaces();

// The face at a pixel height and weight; where a substitute stands in for it, stretched to
// the designed face's widths.
QFont DesignedFace(const QString& family, int pixelHeight, bool bold);

} // namespace vareldo
