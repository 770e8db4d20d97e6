#include "ui/CaptionFit.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetricsF>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>

namespace vareldo {

namespace {

// Below this a condensed caption no longer looks like its neighbours.
constexpr int NarrowestStretch = 80;

int advance(const QFont& font, const QString& text)
{
    return int(std::ceil(QFontMetricsF(font).horizontalAdvance(text)));
}

template <class Fits>
void condenseUntil(QWidget& control, const Fits& fits)
{
    QFont font = control.font();
    int stretch = font.stretch() == QFont::AnyStretch ? 100 : font.stretch();
    if (fits(font))
        return;
    while (stretch > NarrowestStretch && !fits(font))
        font.setStretch(--stretch);
    control.setFont(font);
}

void fitCheckBox(QCheckBox& box)
{
    QStyleOptionButton option;
    option.initFrom(&box);
    option.text = box.text();
    const int captionStart = box.x() + box.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box).left();
    // The amount boxes lie on top of the check boxes they overlap.
    int seenEnd = box.geometry().right() + 1;
    for (const QLineEdit* amount : box.parentWidget()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        if (amount->geometry().intersects(box.geometry()))
            seenEnd = std::min(seenEnd, amount->x());
    condenseUntil(box, [&](const QFont& font) { return captionStart + advance(font, box.text()) <= seenEnd; });
}

void fitPanelLabel(QLabel& label, const QFrame& panel)
{
    const int bevel = panel.contentsRect().right() + 1;
    condenseUntil(label, [&](const QFont& font) {
        return label.x() + QFontMetrics(font).boundingRect(QRect(), Qt::AlignLeft, label.text()).width() <= bevel;
    });
    label.adjustSize();
}

void fitButton(QPushButton& button)
{
    const QStyle& style = *button.style();
    const int margins = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, &button) +
                        2 * style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &button);
    condenseUntil(button, [&](const QFont& font) { return advance(font, button.text()) + margins <= button.width(); });
}

} // namespace

void CondenseCaptionsToTheirBoxes(QWidget& window)
{
    for (QCheckBox* box : window.findChildren<QCheckBox*>())
        fitCheckBox(*box);
    for (QPushButton* button : window.findChildren<QPushButton*>())
        fitButton(*button);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        // Panels are plain frames; a tab's page is a plain widget.
        const QWidget* parent = label->parentWidget();
        const auto* panel =
            parent->metaObject() == &QFrame::staticMetaObject ? static_cast<const QFrame*>(parent) : nullptr;
        if (panel && panel->frameShape() != QFrame::NoFrame && !label->wordWrap())
            fitPanelLabel(*label, *panel);
    }
}

} // namespace vareldo
