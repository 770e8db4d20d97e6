#pragma once

namespace vareldo {

// Maps the window's and the printout's faces to metric-alike faces where they are
// missing; to be called once before any window exists.
void SubstituteMissingFaces();

} // namespace vareldo
