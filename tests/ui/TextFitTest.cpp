#include "tests/ui/WindowHarness.h"
#include "ui/WrappedLabels.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <cmath>

namespace vareldo::testing {
namespace {

// Every caption and every text the calculations write, measured with the control's own font
// and style, against the part of its box that is seen.
class TextFit : public WindowTest {
protected:
    void runWorkedExample()
    {
        typeIncome(QStringLiteral("100000"));
        find<QCheckBox>("CheckContributiPre").click();
        find<QCheckBox>("ChecklavoroDipendente").click();
        find<QPushButton>("ButtonCalcolaTasse").click();
    }

    void runStepwise()
    {
        typeIncome(QStringLiteral("100000"));
        find<QPushButton>("Button6").click();
    }

    static QSize laidOut(const QLabel& label) { return WrappedTextSize(label); }

    // The lowest row that the label paints, when it is given room below its box.
    static int lowestInk(QLabel& label)
    {
        const QSize box = label.size();
        label.resize(box.width(), 4 * box.height());
        QImage image(label.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        label.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        label.resize(box);
        for (int y = image.height() - 1; y >= 0; --y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    return y;
        return -1;
    }

    // The label's whole text shows in its box, descenders included.
    void expectWholeText(const char* name)
    {
        auto& label = find<QLabel>(name);
        SCOPED_TRACE(str(QStringLiteral("%1: \"%2\"").arg(QString::fromLatin1(name), label.text())));
        const QSize text = laidOut(label);
        EXPECT_LE(text.height(), label.height()) << "lines of " << QFontMetricsF(label.font()).lineSpacing() << " px";
        EXPECT_LE(text.width(), label.width());
        EXPECT_LT(lowestInk(label), label.height()) << "as painted";
    }

    // The text needs three lines at the designed widths and the box cuts the third: the first
    // two show whole, descenders included.
    void expectTwoWholeLinesOfThree(const char* name)
    {
        const auto& label = find<QLabel>(name);
        SCOPED_TRACE(str(QStringLiteral("%1: \"%2\"").arg(QString::fromLatin1(name), label.text())));
        EXPECT_GT(laidOut(label).height(), label.height()) << "the box cuts the text";
        QLabel twoLines(QStringLiteral("Ágp") + QChar::LineSeparator + QStringLiteral("Ágp"));
        twoLines.setFont(label.font());
        twoLines.setWordWrap(true);
        twoLines.resize(label.size());
        EXPECT_LE(laidOut(twoLines).height(), label.height());
    }
};

TEST_F(TextFit, CheckBoxCaptionsEndBeforeTheAmountBoxThatCoversThem)
{
    int checked = 0;
    for (const QCheckBox* box : window->findChildren<QCheckBox*>()) {
        SCOPED_TRACE(str(box->objectName()));
        QStyleOptionButton option;
        option.initFrom(box);
        option.text = box->text();
        const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
        const int captionEnd = box->x() + contents.left() +
                               int(std::ceil(QFontMetricsF(box->font()).horizontalAdvance(box->text())));
        int visibleEnd = box->geometry().right() + 1;
        for (const QLineEdit* amount : box->parentWidget()->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            if (amount->geometry().intersects(box->geometry()))
                visibleEnd = std::min(visibleEnd, amount->x());
        EXPECT_LE(captionEnd, visibleEnd) << str(box->text()) << " starts at " << contents.left();
        ++checked;
    }
    EXPECT_EQ(9, checked);
}

TEST_F(TextFit, PanelLabelsStayInsideTheBevel)
{
    const auto check = [this] {
        for (const char* panelName : {"Panel2", "Panel3"}) {
            const auto& panel = find<QFrame>(panelName);
            for (const QLabel* label : panel.findChildren<QLabel*>()) {
                SCOPED_TRACE(str(label->objectName() + u' ' + label->text()));
                EXPECT_TRUE(panel.contentsRect().contains(label->geometry()))
                    << "box " << label->geometry().right() << " against bevel at " << panel.contentsRect().right() + 1;
            }
        }
    };
    check();
    runWorkedExample();
    check();
}

TEST_F(TextFit, ButtonCaptionsFitWithTheStylesMargins)
{
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        SCOPED_TRACE(str(button->objectName() + u' ' + button->text()));
        const QStyle& style = *button->style();
        const int frame = style.pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int margin = style.pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int caption = int(std::ceil(QFontMetricsF(button->font()).horizontalAdvance(button->text())));
        EXPECT_LE(caption + margin + 2 * frame, button->width())
            << "caption " << caption << ", margin " << margin << ", frame " << frame;
    }
}

TEST_F(TextFit, BracketTextsOfTheWorkedExampleShowWhole)
{
    runWorkedExample();
    for (const char* name : {"CalcoloScaglione1", "CalcoloScaglione2", "CalcoloScaglione3"})
        expectWholeText(name);
    expectTwoWholeLinesOfThree("Label2");
}

TEST_F(TextFit, BracketTextsOfTheStepwiseCalculationShowWhole)
{
    runStepwise();
    for (const char* name : {"CalcoloScaglione2", "CalcoloScaglione3"})
        expectWholeText(name);
    expectTwoWholeLinesOfThree("CalcoloScaglione1");
}

} // namespace
} // namespace vareldo::testing
