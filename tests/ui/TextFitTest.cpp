#include "tests/support/ScreenSnapshot.h"
#include "tests/support/WindowHarness.h"
#include "ui/WrappedLabels.h"

#include <QAbstractButton>
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
#include <map>
#include <string>
#include <vector>

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

// The controls a pupil works with on the calculation page.
std::vector<QWidget*> workingControls(const QWidget& page)
{
    std::vector<QWidget*> controls;
    for (QWidget* control : page.findChildren<QWidget*>()) {
        const bool boxOfACombo = qobject_cast<QComboBox*>(control->parentWidget()) != nullptr;
        if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control)
            || (qobject_cast<QLineEdit*>(control) && !boxOfACombo))
            controls.push_back(control);
    }
    return controls;
}

// The controls that something else covers where the mouse would take them.
std::string coveredControls(const QWidget& page)
{
    std::string covered;
    for (QWidget* control : workingControls(page)) {
        QWidget* hit = page.childAt(control->mapTo(&page, control->rect().center()));
        if (hit != control && !control->isAncestorOf(hit))
            covered += " " + str(control->objectName()) + " (under " + (hit ? str(hit->objectName()) : "nothing") + ")";
    }
    return covered;
}

std::map<QString, QPoint> labelCorners(const QWidget& page)
{
    std::map<QString, QPoint> corners;
    for (const QLabel* label : page.findChildren<QLabel*>())
        corners[label->objectName()] = label->pos();
    return corners;
}

// Labels that grow with numbers of 17 digits or more keep their corners, leave the window its size
// and lie over no control.
TEST(TextFitOfHugeNumbers, LabelsShowThemWithoutGrowingTheWindowOrCoveringAControl)
{
    const struct {
        const char* name;
        QString income;
        std::vector<TickedAmount> ticked;
        const char* button;
        ScreenSnapshot shows;
    } cases[] = {
        {"income 1E300, step-wise",
         u"1E300"_s,
         {},
         "Button6",
         {{u"LabelRedditoRimanente1"_s, u"Reddito Rimanente Tassato dopo Scaglione 1: €1E300"_s},
          {u"LabelRedditoRimanente2"_s, u"Reddito Rimanente Tassato dopo Scaglione 2: €1E300"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3+: €50.000,00 (aliquota 43%), Tasse: €4.278.500,00, "
                                   u"ULTIMO SCAGLIONE: €1E300"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €4.292.640,00"_s}}},
        {"income 1E300, progressive",
         u"1E300"_s,
         {},
         "ButtonCalcolaTasse",
         {{u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €1E300"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3 (oltre €50.000,00, aliquota 43%): €4.278.500,00, "
                                   u"Reddito Rimanente: €1E300"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €4.292.640,00"_s}}},
        {"income 1E16 with credits and deductions of -1E16, progressive",
         u"1E16"_s,
         {{"CheckCarichiFamiliari", "EditCarichiFamiliari", "-1E16"},
          {"CheckContributiPre", "EditContributiPre", "-1E16"}},
         "ButtonCalcolaTasse",
         {{u"LabelRedditoRimanente"_s, u"Reddito Rimanente: €20.000.000.000.000.000,00"_s},
          {u"LabelDetrazioniTotali"_s, u"Totale Detrazioni: €-10.000.000.000.000.000,00"_s},
          {u"LabelDeduzioniTotali"_s, u"Totale Deduzioni: €-10.000.000.000.000.000,00"_s},
          {u"CalcoloScaglione3"_s, u"Scaglione 3 (oltre €50.000,00, aliquota 43%): €4.278.500,00, "
                                   u"Reddito Rimanente: €19.999.999.990.000.000,00"_s},
          {u"LabelRisultatoTasse"_s, u"Imposte Totali: €10.000.000.004.292.640,00"_s}}},
        {"deductions and credits of 9E16, the totals",
         u"10000"_s,
         {{"CheckVarie", "EditVarie", "90000000000000000"},
          {"CheckAltreDeduzioni", "EditAltreDeduzioni", "-90000000000000000"}},
         "Button1",
         {{u"LabelDetrazioniTotali"_s, u"Totale Detrazioni: €90.000.000.000.000.000,00"_s},
          {u"LabelDeduzioniTotali"_s, u"Totale Deduzioni: €-90.000.000.000.000.000,00"_s}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowHarness w;
        w.showCalculationPage();
        const QWidget& page = w.find<QWidget>("TabSheet2");
        const QSize windowSize = w.window->size();
        const QSize smallest = w.window->minimumSizeHint();
        const auto corners = labelCorners(page);
        ASSERT_EQ("", coveredControls(page)) << "covered before the click";
        w.pasteIncome(c.income);
        for (const TickedAmount& pair : c.ticked)
            w.tick(pair);

        w.click(c.button);

        EXPECT_TRUE(w.sent.messages.isEmpty() && w.sent.errors.isEmpty())
            << joinedForLog(w.sent.messages) << joinedForLog(w.sent.errors);
        const ScreenSnapshot shown = snapshotOf(w);
        EXPECT_TRUE(withChanges(shown, c.shows) == shown) << differences(withChanges(shown, c.shows), shown);
        EXPECT_EQ(windowSize, w.window->size());
        EXPECT_EQ(smallest, w.window->minimumSizeHint());
        EXPECT_TRUE(corners == labelCorners(page)) << "a label moved";
        EXPECT_EQ("", coveredControls(page)) << "a grown label lies over a control";
    }
}

} // namespace
} // namespace vareldo::testing
