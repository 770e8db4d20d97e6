#pragma once

class QWidget;

namespace vareldo {

// A caption that would be cut where a substitute face is wider than the designed one gets its
// font condensed, a percent at a time, until it fits the part of its box that is seen: a check
// box's caption up to the amount box that covers it, a panel's label inside the bevel, a push
// button's caption inside the style's margins. Captions that fit keep their font.
void CondenseCaptionsToTheirBoxes(QWidget& window);

} // namespace vareldo
