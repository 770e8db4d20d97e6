#include "ui/MessageText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <cmath>
#include <limits>
#include <memory>

namespace vareldo {

namespace {

constexpr qreal Unbounded = std::numeric_limits<int>::max() / 4;

// The text within width, with the font's leading between lines as a label's painter puts it.
std::unique_ptr<QTextLayout> layOut(const QString& text, const QFont& font, qreal width)
{
    QString shown = text;
    shown.replace(u'\n', QChar::LineSeparator);
    auto layout = std::make_unique<QTextLayout>(shown, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    const qreal leading = QFontMetricsF(font).leading();
    qreal top = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(std::max<qreal>(width, 1));
        if (line.lineNumber() > 0)
            top += leading;
        line.setPosition(QPointF(0, top));
        top += line.height();
    }
    layout->endLayout();
    return layout;
}

qreal widestLine(const QTextLayout& layout)
{
    qreal widest = 0;
    for (int i = 0; i < layout.lineCount(); ++i)
        widest = std::max(widest, layout.lineAt(i).naturalTextWidth());
    return widest;
}

qreal bottom(const QTextLayout& layout)
{
    return layout.lineCount() > 0 ? layout.lineAt(layout.lineCount() - 1).rect().bottom() : 0;
}

} // namespace

MessageText::MessageText(const QString& text, QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setText(text);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void MessageText::setWrapWidth(int width)
{
    wrapWidth_ = std::max(width, 1);
    updateGeometry();
}

int MessageText::naturalWidth() const
{
    return static_cast<int>(std::ceil(widestLine(*layOut(text(), font(), Unbounded))));
}

QSize MessageText::minimumSizeHint() const
{
    const int width = std::min(naturalWidth(), wrapWidth_);
    return {width, heightForWidth(width)};
}

QSize MessageText::sizeHint() const
{
    return minimumSizeHint();
}

int MessageText::heightForWidth(int width) const
{
    return static_cast<int>(std::ceil(bottom(*layOut(text(), font(), width))));
}

QStringList MessageText::displayLines() const
{
    const auto layout = layOut(text(), font(), contentsRect().width());
    QStringList lines;
    for (int i = 0; i < layout->lineCount(); ++i)
        lines << text().mid(layout->lineAt(i).textStart(), layout->lineAt(i).textLength());
    return lines;
}

void MessageText::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QRect area = contentsRect();
    const auto layout = layOut(text(), font(), area.width());
    // Centred upright, as the box's own label stands beside the icon.
    const qreal top = area.top() + std::max<qreal>(0, (area.height() - bottom(*layout)) / 2);
    layout->draw(&painter, QPointF(area.left(), top));
}

} // namespace vareldo
