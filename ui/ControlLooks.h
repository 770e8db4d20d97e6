#pragma once

class QWidget;

namespace vareldo {

// Gives the window and its controls their faces, pixel heights, weights and colours,
// which a Designer form cannot hold (its fonts have whole points only).
void ApplyControlLooks(QWidget& window);

} // namespace vareldo
