#include "ui/WrappedLabels.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <cmath>
#include <functional>

namespace vareldo {

namespace {

// Breaks the text at word boundaries within the width, one line every whole-pixel spacing;
// gives each line with its top, and returns the size the lines take.
QSize layOutLines(const QLabel& label, const std::function<void(const QTextLine&)>& eachLine = {})
{
    // A line break in the text breaks the line, as in any label.
    QString text = label.text();
    text.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(text);
    const QFontMetricsF metrics(label.font());
    const int spacing = qRound(metrics.lineSpacing());
    const qreal width = label.contentsRect().width();
    QTextOption option(Qt::AlignLeft | Qt::AlignTop);
    option.setWrapMode(QTextOption::WordWrap);
    layout.setFont(label.font());
    layout.setTextOption(option);
    layout.beginLayout();
    int top = 0;
    qreal widest = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, top));
        widest = std::max(widest, line.naturalTextWidth());
        top += spacing;
    }
    layout.endLayout();
    const int lines = layout.lineCount();
    if (eachLine)
        for (int i = 0; i < lines; ++i)
            eachLine(layout.lineAt(i));
    if (lines == 0)
        return {};
    // The text reaches down to the lowest ink of its last line: its descenders, if it has any.
    const QTextLine last = layout.lineAt(lines - 1);
    const QString lastText = text.mid(last.textStart(), last.textLength());
    const qreal inkBelowBaseline = std::max<qreal>(0, metrics.tightBoundingRect(lastText).bottom());
    return {int(std::ceil(widest)), int(std::ceil(last.y() + metrics.ascent() + inkBelowBaseline))};
}

class WholePixelLines : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        auto& label = static_cast<QLabel&>(*watched);
        QPainter painter(&label);
        painter.setPen(label.palette().color(label.foregroundRole()));
        const QPointF origin = label.contentsRect().topLeft();
        layOutLines(label, [&](const QTextLine& line) { line.draw(&painter, origin); });
        return true; // the label's own painting would set the lines again, rounded up
    }
};

} // namespace

void SetLinesAtWholePixelSpacing(QLabel& label)
{
    label.installEventFilter(new WholePixelLines(&label));
    label.update();
}

QSize WrappedTextSize(const QLabel& label)
{
    return layOutLines(label);
}

} // namespace vareldo
