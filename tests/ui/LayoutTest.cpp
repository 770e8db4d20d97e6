#include "tests/support/WindowHarness.h"
#include "core/ControlNames.h"
#include "ui/FontSubstitutes.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <functional>
#include <optional>
#include <type_traits>
#include <vector>

namespace vareldo::testing {
namespace {

constexpr std::optional<Rgb> WindowText = std::nullopt;
constexpr Rgb Red = 0xFF0000, Blue = 0x0000FF, Green = 0x008000, White = 0xFFFFFF, Black = 0x000000,
              Maroon = 0x800000;

struct Row {
    const char* name;
    QRect geometry;
    const char* text; // after start-up; nullptr: not compared
    int pixelHeight;
    bool bold;
    std::optional<Rgb> colour;
};

// The window right after start-up, control by control.
const Row Layout[] = {
    {"PageControl1", {0, 50, 884, 616}, nullptr, 12, false, WindowText},
    {"Panel1", {0, 0, 884, 50}, nullptr, 12, false, WindowText},
    {"Image1", {120, 224, 641, 335}, nullptr, 12, false, WindowText},
    {"RichEdit1", {20, 3, 843, 212}, nullptr, 12, false, WindowText},
    {"Label1", {7, -3, 653, 30}, "IRPEF Imposta di Reddito sulle Persone Fisiche 2024 a tre scaglioni", 21, true, WindowText},
    {"LabelREDDITOTOT", {32, 31, 173, 15}, "SCEGLIERE UN REDDITO TOTALE", 12, false, WindowText},
    {"ComboBoxReddito", {32, 46, 145, 40}, "10000", 24, false, WindowText},
    {"Label6", {32, 96, 282, 15}, "REDDITO TOTALE(Imponibile) - eventuali DEDUZIONI", 12, false, WindowText},
    {"LabelRedditoRimanente", {32, 110, 6, 15}, "0", 12, false, WindowText},
    {"LabDa1", {3, 134, 15, 15}, "___", 12, false, WindowText},
    {"LabScaglione1", {18, 151, 63, 15}, "Scaglione 1", 12, true, Red},
    {"ALIQUOTA", {123, 152, 74, 15}, "ALIQUOTA  %", 12, false, Red},
    {"EditLimiteScaglione1", {0, 172, 121, 23}, "28000", 12, false, WindowText},
    {"EditAliquotaScaglione1", {123, 173, 28, 23}, "23", 12, false, WindowText},
    {"CalcoloScaglione1", {157, 173, 308, 36}, "0", 12, false, WindowText},
    {"LabDa2", {3, 214, 15, 15}, "___", 12, false, WindowText},
    {"LabScaglione2", {17, 232, 63, 15}, "Scaglione 2", 12, true, Blue},
    {"Label3", {123, 233, 74, 15}, "ALIQUOTA  %", 12, false, Blue},
    {"EditLimiteScaglione2", {0, 260, 121, 23}, "50000", 12, false, WindowText},
    {"EditAliquotaScaglione2", {123, 260, 28, 23}, "35", 12, false, WindowText},
    {"CalcoloScaglione2", {157, 263, 308, 48}, "0", 12, false, WindowText},
    {"LabDa3", {3, 310, 15, 15}, "___", 12, false, WindowText},
    {"LabScaglione3", {18, 326, 63, 15}, "Scaglione 3", 12, true, Green},
    {"Label4", {123, 327, 74, 15}, "ALIQUOTA  %", 12, false, Green},
    {"EditLimiteScaglione3", {0, 347, 121, 23}, "50001", 12, false, WindowText},
    {"EditAliquotaScaglione3", {123, 348, 28, 23}, "43", 12, false, WindowText},
    {"CalcoloScaglione3", {157, 352, 289, 40}, "0", 12, false, WindowText},
    {"Button6", {14, 379, 71, 31}, "Button6", 12, false, WindowText},
    {"LabelRedditoRimanente1", {3, 411, 132, 15}, "LabelRedditoRimanente1", 12, false, WindowText},
    {"LabelRedditoRimanente2", {3, 432, 132, 15}, "LabelRedditoRimanente2", 12, false, WindowText},
    {"LabelRisultatoTasse", {0, 457, 16, 37}, "0", 27, true, WindowText},
    {"ButtonCalcolaTasse", {84, 496, 290, 42}, "Calcola IMPOSTE PROGRESSIVE", 19, true, Red},
    {"Label2", {22, 544, 435, 37},
     "Questo calcolo è preciso , ma si potrebbero insinuare lievi differenze dovute da piccole variazioni "
     "nei decimali durante i calcoli o arrotondamenti sulle grandi cifre.",
     12, false, Red},
    {"ChartTasse", {497, 274, 357, 294}, nullptr, 12, false, WindowText},
    {"Panel2", {346, 33, 113, 116}, nullptr, 12, false, WindowText},
    {"Label9", {6, 7, 106, 15}, "CALCOLA PERCENT.", 12, true, White},
    {"Label5", {14, 30, 55, 15}, "IMPORTO", 12, true, White},
    {"Label7", {2, 47, 63, 15}, "PERCENT %", 12, true, White},
    {"Label8", {4, 75, 62, 15}, "RISULTATO", 12, true, White},
    {"EditAmount", {71, 22, 40, 23}, "0", 12, false, WindowText},
    {"EditPercentage", {72, 46, 39, 23}, "0", 12, false, WindowText},
    {"EditResult", {72, 71, 39, 23}, "0", 12, false, WindowText},
    {"Button3", {5, 94, 61, 18}, "CALCOLA", 12, false, WindowText},
    {"Panel3", {474, 29, 391, 239}, nullptr, 12, false, Black},
    {"LabelDetrazioni", {4, 4, 169, 13}, "DETRAZIONI riducono l' imposta", 11, true, Maroon},
    {"ChecklavoroDipendente", {4, 27, 123, 17}, "Lavoro Dipendente", 12, false, Black},
    {"EditLavoroDipendente", {125, 23, 38, 23}, "1000", 12, false, Black},
    {"CheckCarichiFamiliari", {4, 50, 123, 17}, "Carichi familiari", 12, false, Black},
    {"EditCarichiFamiliari", {125, 48, 38, 23}, "500", 12, false, Black},
    {"CheckSpeseMediche", {4, 73, 123, 17}, "Spese Mediche", 12, false, Black},
    {"EditSpeseMediche", {125, 73, 38, 23}, "300", 12, false, Black},
    {"CheckVarie", {4, 96, 104, 17}, "Varie", 12, false, Black},
    {"EditVarie", {125, 99, 38, 23}, "200", 12, false, Black},
    {"ChecklavoroAutonomo", {4, 123, 112, 17}, "Lavoro Autonomo", 12, false, Black},
    {"EditLavoroAutonomo", {125, 124, 38, 23}, "0", 12, false, Black},
    {"CheckCreditiImposta", {4, 150, 98, 17}, "Crediti Imposta", 12, false, Black},
    {"EditCreditoImposta", {125, 150, 38, 23}, "1000", 12, false, Black},
    {"CheckAltreDetrazioni", {4, 178, 98, 17}, "Altre Detrazioni", 12, false, Black},
    {"EditAltreDetrazioni", {125, 176, 38, 23}, "0", 12, false, Black},
    {"LabelDetrazioniTotali", {6, 214, 6, 15}, "0", 12, false, Black},
    {"LabelDeduzioni", {204, 4, 175, 13}, "DEDUZIONI riducono l'imponibile", 11, true, Maroon},
    {"CheckContributiPre", {203, 27, 140, 17}, "Contributi previdenziali", 12, false, Black},
    {"EditContributiPre", {343, 23, 37, 23}, "1000", 12, false, Black},
    {"CheckAltreDeduzioni", {203, 50, 140, 17}, "Altre Deduzioni", 12, false, Black},
    {"EditAltreDeduzioni", {343, 50, 37, 23}, "0", 12, false, Black},
    {"Button1", {256, 172, 123, 25}, "CALCOLA I TOTALI", 12, false, Black},
    {"LabelDeduzioniTotali", {190, 214, 6, 15}, "0", 12, false, Black},
    {"Memo1", {62, 11, 759, 486}, "", 16, false, 0x00FF00},
    {"Button2", {62, 510, 75, 25}, "STAMPA", 12, false, WindowText},
    {"ListBox1", {114, 32, 615, 461}, nullptr, 12, false, WindowText},
};

// Labels that keep their box and wrap; every other text label fits its text.
const QStringList WrappingLabels = {"CalcoloScaglione1", "CalcoloScaglione2", "CalcoloScaglione3", "Label2"};
const QStringList FixedBoxes = WrappingLabels + QStringList{"Panel1", "Image1"};

using Layout_ = WindowTest;

TEST_F(Layout_, EveryControlStartsWithItsPlaceTextFontAndColour)
{
    const QColor windowText = window->palette().color(QPalette::WindowText);
    for (const Row& row : Layout) {
        SCOPED_TRACE(row.name);
        const auto& control = find<QWidget>(row.name);
        const auto* label = qobject_cast<const QLabel*>(&control);
        if (label && !FixedBoxes.contains(QString::fromLatin1(row.name))) {
            // The designed size is that of the designed face; a substitute face gives its own.
            EXPECT_EQ(row.geometry.topLeft(), control.pos());
            EXPECT_EQ(label->sizeHint(), control.size());
            EXPECT_FALSE(label->wordWrap());
        } else {
            EXPECT_EQ(row.geometry, control.geometry());
        }
        if (WrappingLabels.contains(QString::fromLatin1(row.name))) {
            ASSERT_NE(nullptr, label);
            EXPECT_TRUE(label->wordWrap());
            EXPECT_EQ(Qt::AlignLeft | Qt::AlignTop, label->alignment() & (Qt::AlignLeft | Qt::AlignTop));
        }
        if (row.text) {
            EXPECT_EQ(row.text, str(window->Text(QString::fromLatin1(row.name))));
        }
        EXPECT_EQ("Segoe UI", str(control.font().family()));
        EXPECT_EQ(row.pixelHeight, control.font().pixelSize());
        EXPECT_EQ(row.bold, control.font().bold());
        const QColor expected = row.colour ? QColor(*row.colour) : windowText;
        EXPECT_EQ(str(expected.name()), str(control.palette().color(control.foregroundRole()).name()));
    }
}

TEST_F(Layout_, WindowHasItsTitleSizeBannerAndPages)
{
    EXPECT_EQ("VARELDO : SIMULATORE DIDATTICO DEL SISTEMA FISCALE ITALIANO", str(window->windowTitle()));
    EXPECT_EQ(QSize(884, 666), window->size());
    EXPECT_EQ(window->palette().color(QPalette::Button), window->palette().color(QPalette::Window));
    EXPECT_TRUE(window->autoFillBackground());

    const QString banner = find<QLabel>("Panel1").text();
    EXPECT_FALSE(banner.isEmpty());
    EXPECT_FALSE(banner.contains(u'\n'));
    EXPECT_FALSE(banner.contains(u'@')) << "no e-mail address in the banner";

    const auto& pages = find<QTabWidget>("PageControl1");
    const struct {
        const char* page;
        const char* caption;
    } tabs[] = {{"TabSheet1", "INTRODUZIONE AL SISTEMA FISCALE ITALIANO 2024"},
                {"TabSheet2", "IMPOSTA IRPEF LORDA"},
                {"TabSheet3", "PROSPETTO RIASSUNTIVO"},
                {"HELP", "HELP"}};
    ASSERT_EQ(4, pages.count());
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(tabs[i].page);
        EXPECT_EQ(tabs[i].page, str(pages.widget(i)->objectName()));
        EXPECT_EQ(tabs[i].caption, str(pages.tabText(i)));
    }
    EXPECT_EQ(0, pages.currentIndex());
}

// The calculations reach the window by the names of one list: each is on the window, of its kind.
TEST_F(Layout_, EveryControlTheCalculationsNameIsOnTheWindowAndOfItsKind)
{
    const auto expectKind = [this](const char16_t* name, auto* kind) {
        using Kind = std::remove_pointer_t<decltype(kind)>;
        SCOPED_TRACE(str(names::Name(name)));
        EXPECT_NO_THROW(NamedChild<Kind>(*window, names::Name(name)));
    };
    expectKind(names::ComboBoxReddito, static_cast<QComboBox*>(nullptr));
    for (const auto pairs : names::AmountLists) {
        for (const names::AmountPair& pair : pairs) {
            expectKind(pair.checkBox, static_cast<QCheckBox*>(nullptr));
            expectKind(pair.amountBox, static_cast<QLineEdit*>(nullptr));
        }
    }
    for (const char16_t* label : names::CalculationLabels)
        expectKind(label, static_cast<QLabel*>(nullptr));
}

// A name the window lacks, or a control of another kind than asked, is a fault of the program:
// it fails loudly, naming the control, and changes nothing.
TEST_F(Layout_, AControlThatIsMissingOrOfAnotherKindThrowsAndNamesIt)
{
    const QString caption = find<QCheckBox>("CheckVarie").text();
    const struct {
        const char* what;
        std::function<void()> ask;
        const char* message;
    } cases[] = {
        {"text of a missing control", [this] { window->Text(u"EditNessuno"_s); }, "No control named EditNessuno"},
        {"tick of a label", [this] { window->Checked(u"LabelRisultatoTasse"_s); },
         "No check box named LabelRisultatoTasse"},
        {"text set on a check box", [this] { window->SetText(u"CheckVarie"_s, u"x"_s); },
         "No label named CheckVarie"},
        {"a control found by the tests", [this] { find<QLabel>("ComboBoxReddito"); },
         "No control named ComboBoxReddito"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            c.ask();
            ADD_FAILURE() << "no failure";
        } catch (const MissingControl& failure) {
            EXPECT_STREQ(c.message, failure.what());
        }
    }
    EXPECT_EQ(str(caption), str(find<QCheckBox>("CheckVarie").text())) << "the check box keeps its caption";
}

TEST_F(Layout_, WindowBearsTheProgramsIcon)
{
    const QIcon icon = window->windowIcon();
    ASSERT_FALSE(icon.isNull());
    const QImage drawn(QStringLiteral(":/icon/vareldo.png"));
    ASSERT_EQ(QSize(256, 256), drawn.size());
    EXPECT_EQ(QList<QSize>{drawn.size()}, icon.availableSizes());
    EXPECT_TRUE(icon.pixmap(drawn.size()).toImage().convertToFormat(drawn.format()) == drawn)
        << "the window's icon is another picture";
}

TEST_F(Layout_, PanelsHaveRaisedBevelsAndTheirColours)
{
    const struct {
        const char* panel;
        QColor background;
    } panels[] = {{"Panel1", window->palette().color(QPalette::Button)},
                  {"Panel2", QColor(0x008000)},
                  {"Panel3", QColor(0xC0C0C0)}};
    for (const auto& row : panels) {
        SCOPED_TRACE(row.panel);
        const auto& panel = find<QFrame>(row.panel);
        EXPECT_EQ(QFrame::Panel, panel.frameShape());
        EXPECT_EQ(QFrame::Raised, panel.frameShadow());
        EXPECT_EQ(1, panel.lineWidth());
        EXPECT_TRUE(panel.autoFillBackground());
        EXPECT_EQ(str(row.background.name()), str(panel.palette().color(QPalette::Window).name()));
    }
}

TEST_F(Layout_, TextAreasPictureAndListLookAsDesigned)
{
    const auto& memo = find<QPlainTextEdit>("Memo1");
    EXPECT_EQ(Qt::ScrollBarAlwaysOff, memo.verticalScrollBarPolicy());
    EXPECT_EQ(Qt::ScrollBarAlwaysOff, memo.horizontalScrollBarPolicy());
    EXPECT_EQ(QPlainTextEdit::WidgetWidth, memo.lineWrapMode());
    EXPECT_FALSE(memo.isReadOnly());
    EXPECT_EQ("#000000", str(memo.palette().color(QPalette::Base).name()));

    const auto& intro = find<QPlainTextEdit>("RichEdit1");
    EXPECT_TRUE(intro.isReadOnly());
    EXPECT_EQ(Qt::ScrollBarAlwaysOn, intro.verticalScrollBarPolicy());
    EXPECT_EQ(QPlainTextEdit::WidgetWidth, intro.lineWrapMode());
    EXPECT_EQ(24, intro.document()->blockCount()) << "one paragraph per line of the introduction";

    const auto& picture = find<QLabel>("Image1");
    EXPECT_TRUE(picture.hasScaledContents());
    EXPECT_EQ(QSize(768, 582), picture.pixmap().size());

    const auto& income = find<QComboBox>("ComboBoxReddito");
    EXPECT_TRUE(income.isEditable());
    EXPECT_EQ(QComboBox::NoInsert, income.insertPolicy());

    EXPECT_EQ(QAbstractItemView::SingleSelection, find<QListWidget>("ListBox1").selectionMode());
}

TEST_F(Layout_, LabelsShowTextLiterallyAndSizeToItUnlessTheirBoxIsFixed)
{
    for (const QLabel* label : window->findChildren<QLabel*>())
        EXPECT_EQ(Qt::PlainText, label->textFormat()) << str(label->objectName());

    const QString marked = QStringLiteral("abc<b>def</b>");
    window->SetText(QStringLiteral("LabelRedditoRimanente"), marked);
    const auto& autoSized = find<QLabel>("LabelRedditoRimanente");
    EXPECT_EQ(QPoint(32, 110), autoSized.pos());
    EXPECT_EQ(autoSized.sizeHint(), autoSized.size());
    EXPECT_GT(autoSized.width(), QFontMetrics(autoSized.font()).horizontalAdvance(QStringLiteral("abcdef")))
        << "the tags are shown, not obeyed";

    const QString longText(400, u'x');
    window->SetText(QStringLiteral("CalcoloScaglione1"), longText + u' ' + longText);
    const auto& fixedBox = find<QLabel>("CalcoloScaglione1");
    EXPECT_TRUE(fixedBox.wordWrap());
    EXPECT_EQ(QRect(157, 173, 308, 36), fixedBox.geometry());
}

TEST_F(Layout_, MissingFacesAreReplacedByMetricAlikes)
{
    const QString face = QFontInfo(find<QLabel>("Label1").font()).family();
    EXPECT_TRUE(face == u"Segoe UI" || face == u"Open Sans") << str(face);

    const struct {
        const char* face;
        const char* standIn;
    } substitutes[] = {{"Segoe UI", "Open Sans"}, {"Arial", "Liberation Sans"}};
    for (const auto& row : substitutes) {
        SCOPED_TRACE(row.face);
        const QFont font = DesignedFace(QString::fromLatin1(row.face), 12, false);
        if (QFontDatabase::families().contains(QString::fromLatin1(row.face))) {
            EXPECT_EQ(row.face, str(QFontInfo(font).family()));
            EXPECT_EQ(QFont::AnyStretch, font.stretch()) << "an installed face is used as it is";
        } else {
            EXPECT_EQ(row.standIn, str(QFontInfo(font).family()));
        }
    }
}

TEST_F(Layout_, AutoSizedLabelsComeCloseToTheDesignedWidths)
{
    // One-character labels are left out: at 6 px a pixel of rounding is 16 %.
    double sum = 0;
    int count = 0;
    for (const Row& row : Layout) {
        const auto* label = window->findChild<QLabel*>(QString::fromLatin1(row.name));
        if (!label || FixedBoxes.contains(QString::fromLatin1(row.name)) || label->text().size() < 2)
            continue;
        SCOPED_TRACE(str(label->objectName() + u' ' + label->text()));
        const double ratio = QFontMetricsF(label->font()).horizontalAdvance(label->text()) / row.geometry.width();
        EXPECT_NEAR(1.0, ratio, 0.05) << "designed " << row.geometry.width() << " px";
        sum += ratio;
        ++count;
    }
    ASSERT_GT(count, 15);
    EXPECT_NEAR(1.0, sum / count, 0.01) << "mean of " << count << " labels";
}

TEST_F(Layout_, ResizingMovesOnlyBannerAndPages)
{
    const QRect chart = find<QWidget>("ChartTasse").geometry();
    for (const QSize size : {QSize(600, 400), QSize(1400, 900), QSize(100, 80)}) {
        SCOPED_TRACE(str(QStringLiteral("%1 x %2").arg(size.width()).arg(size.height())));
        window->resize(size);
        QApplication::processEvents();
        EXPECT_EQ(QRect(0, 0, size.width(), 50), find<QWidget>("Panel1").geometry());
        EXPECT_EQ(QRect(0, 50, size.width(), size.height() - 50), find<QWidget>("PageControl1").geometry());
        EXPECT_EQ(chart, find<QWidget>("ChartTasse").geometry());
        EXPECT_EQ(size, window->size()) << "no minimum size";
    }
}

TEST_F(Layout_, TabKeyFollowsTheKeyboardOrderOfEveryPage)
{
    struct PageOrder {
        int page;
        QStringList order;
    };
    // tests/support/KeyboardOrder.txt, built into the program.
    const QString table = QString::fromUtf8(
#include "KeyboardOrder.inc"
    );
    std::vector<PageOrder> pagesOrder;
    for (const QString& line : table.split(u'\n', Qt::SkipEmptyParts)) {
        if (line.startsWith(u'#'))
            continue;
        QStringList words = line.split(u' ', Qt::SkipEmptyParts);
        pagesOrder.push_back({words.takeFirst().toInt(), words});
    }
    ASSERT_EQ(4u, pagesOrder.size()) << "a line for each page";
    auto& pages = find<QTabWidget>("PageControl1");
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    for (const auto& row : pagesOrder) {
        SCOPED_TRACE(str(pages.tabText(row.page)));
        pages.setCurrentIndex(row.page);
        pages.tabBar()->setFocus(Qt::TabFocusReason);
        // The tab row comes first and last: the banner takes no focus.
        const QStringList expected = row.order + QStringList{pages.tabBar()->objectName()};
        QStringList visited;
        for (qsizetype step = 0; step < expected.size(); ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        EXPECT_EQ(str(expected.join(u' ')), str(visited.join(u' ')));
    }
    EXPECT_TRUE(find<QPlainTextEdit>("Memo1").toPlainText().isEmpty()) << "Tab moves on, it types nothing";
}

} // namespace
} // namespace vareldo::testing
