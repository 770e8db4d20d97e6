#pragma once

#include <QSize>

class QLabel;

namespace vareldo {

// A wrapped label sets its lines one whole-pixel line spacing apart, the spacing of its face
// rounded to the nearest pixel. Qt rounds each line's place up instead, so a face of 16.34 px
// gets 17 px lines and the third line of a 48 px box loses its descenders.
void SetLinesAtWholePixelSpacing(QLabel& label);

// The size of the label's text as it is laid out and painted in the label's width; its height
// reaches the lowest ink of the last line.
QSize WrappedTextSize(const QLabel& label);

} // namespace vareldo
