#include "tests/support/WindowHarness.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <map>

namespace vareldo::testing {
namespace {

using Accessibility = WindowTest;

QAccessibleInterface& accessible(QWidget& widget)
{
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(&widget);
    if (!found)
        throw std::runtime_error("no accessible interface for " + str(widget.objectName()));
    return *found;
}

// What a screen reader reads for each control that takes the keyboard focus.
const std::map<QString, QString> FocusNames = {
    {"RichEdit1", "Introduzione"},
    {"EditLimiteScaglione1", "Limite scaglione 1"},
    {"EditAliquotaScaglione1", "Aliquota scaglione 1 (%)"},
    {"EditLimiteScaglione2", "Limite scaglione 2"},
    {"EditAliquotaScaglione2", "Aliquota scaglione 2 (%)"},
    {"EditLimiteScaglione3", "Limite scaglione 3"},
    {"EditAliquotaScaglione3", "Aliquota scaglione 3 (%)"},
    {"ButtonCalcolaTasse", "Calcola IMPOSTE PROGRESSIVE"},
    {"ChartTasse", "ISTOGRAMMA : IMPOSTE PER SCAGLIONI"},
    {"ComboBoxReddito", "SCEGLIERE UN REDDITO TOTALE"},
    {"ComboBoxReddito.list", "SCEGLIERE UN REDDITO TOTALE"},
    {"ChecklavoroDipendente", "Lavoro Dipendente"},
    {"EditLavoroDipendente", "Lavoro Dipendente"},
    {"CheckCarichiFamiliari", "Carichi familiari"},
    {"EditCarichiFamiliari", "Carichi familiari"},
    {"CheckSpeseMediche", "Spese Mediche"},
    {"EditSpeseMediche", "Spese Mediche"},
    {"CheckVarie", "Varie"},
    {"EditVarie", "Varie"},
    {"ChecklavoroAutonomo", "Lavoro Autonomo"},
    {"EditLavoroAutonomo", "Lavoro Autonomo"},
    {"CheckCreditiImposta", "Crediti Imposta"},
    {"EditCreditoImposta", "Crediti Imposta"},
    {"CheckAltreDetrazioni", "Altre Detrazioni"},
    {"EditAltreDetrazioni", "Altre Detrazioni"},
    {"CheckContributiPre", "Contributi previdenziali"},
    {"EditContributiPre", "Contributi previdenziali"},
    {"CheckAltreDeduzioni", "Altre Deduzioni"},
    {"EditAltreDeduzioni", "Altre Deduzioni"},
    {"Button1", "CALCOLA I TOTALI"},
    {"EditAmount", "IMPORTO"},
    {"EditPercentage", "PERCENT %"},
    {"EditResult", "RISULTATO"},
    {"Button3", "CALCOLA"},
    {"Button6", "Button6"},
    {"Memo1", "PROSPETTO RIASSUNTIVO"},
    {"Button2", "STAMPA"},
    {"ListBox1", "Documenti didattici"},
    // The tab row reads the caption of the page shown.
    {"qt_tabwidget_tabbar", "INTRODUZIONE AL SISTEMA FISCALE ITALIANO 2024"},
};

// The income box makes its list for itself; the list has no name of its own.
QString focusKey(const QWidget& widget, const QComboBox& income)
{
    if (&widget == static_cast<const QWidget*>(income.view()))
        return QStringLiteral("ComboBoxReddito.list");
    return widget.objectName();
}

TEST_F(Accessibility, EveryControlThatTakesFocusHasANameThatSaysWhatItIs)
{
    const auto& income = find<QComboBox>("ComboBoxReddito");
    QStringList seen;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        // Hidden for good (the tab row's scroll buttons), or handing the focus on to another.
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->isHidden() || widget->focusProxy())
            continue;
        const QString key = focusKey(*widget, income);
        SCOPED_TRACE(str(key));
        seen << key;
        const auto expected = FocusNames.find(key);
        ASSERT_NE(FocusNames.end(), expected) << "a control that takes focus and has no name in the table";
        QAccessibleInterface& read = accessible(*widget);
        if (widget == &income) {
#ifdef Q_OS_UNIX
            // Qt on Linux reads an editable box's text as its name; its label names it.
            EXPECT_EQ("10000", str(read.text(QAccessible::Name)));
            EXPECT_EQ(str(expected->second), str(widget->accessibleName()));
            continue;
#endif
        }
        EXPECT_EQ(str(expected->second), str(read.text(QAccessible::Name)));
    }
    for (const auto& [key, name] : FocusNames)
        EXPECT_TRUE(seen.contains(key)) << str(key) << " takes no focus";
    // The income box's edit line hands the focus to the box, but a screen reader shows it.
    EXPECT_EQ("SCEGLIERE UN REDDITO TOTALE", str(accessible(*income.lineEdit()).text(QAccessible::Name)));
}

TEST_F(Accessibility, CaptionsBesideTheIncomeBoxAndThePercentageBoxesAreTheirLabels)
{
    const struct {
        const char* label;
        const char* control;
    } pairs[] = {{"LabelREDDITOTOT", "ComboBoxReddito"},
                 {"Label5", "EditAmount"},
                 {"Label7", "EditPercentage"},
                 {"Label8", "EditResult"}};
    for (const auto& row : pairs) {
        SCOPED_TRACE(row.control);
        QLabel& label = find<QLabel>(row.label);
        EXPECT_EQ(&find<QWidget>(row.control), label.buddy());
        const auto labelledBy = accessible(find<QWidget>(row.control)).relations(QAccessible::Label);
        ASSERT_EQ(1, labelledBy.size());
        EXPECT_EQ(&label, labelledBy.front().first->object());
        EXPECT_TRUE(label.text().indexOf(u'&') < 0) << "a buddy's caption with & would gain an accelerator";
    }
}

TEST_F(Accessibility, WindowPictureAndStepwiseButtonSayWhatTheyAre)
{
    QAccessibleInterface& frame = accessible(*window);
    EXPECT_EQ(QAccessible::Window, frame.role());
    EXPECT_EQ("VARELDO : SIMULATORE DIDATTICO DEL SISTEMA FISCALE ITALIANO", str(frame.text(QAccessible::Name)));

    QAccessibleInterface& picture = accessible(find<QLabel>("Image1"));
    EXPECT_EQ("Infografica: NUOVA IRPEF 2024", str(picture.text(QAccessible::Name)));
    const QString content = picture.text(QAccessible::Description);
    for (const char* fact : {"quattro a tre", "28.000 euro aliquota 23 %", "da 28.000 a 50.000 euro aliquota 35 %",
                             "oltre 50.000 euro aliquota 43 %", "8.500 euro", "260 euro"})
        EXPECT_TRUE(content.contains(QString::fromUtf8(fact))) << fact << " missing from: " << str(content);

    EXPECT_FALSE(accessible(find<QWidget>("Button6")).text(QAccessible::Description).isEmpty())
        << "its caption does not say what it does";
}

// The worked example by keys alone: Tab to each control, type, Space to tick and to click.
TEST_F(Accessibility, WorkedExampleCanBeDoneByKeysAlone)
{
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QWidget& tabs = find<QWidget>("qt_tabwidget_tabbar");
    tabs.setFocus(Qt::TabFocusReason);
    QTest::keyClick(&tabs, Qt::Key_Right); // the calculation page
    const auto tabTo = [](const char* name) {
        for (int step = 0; step < 60 && QApplication::focusWidget()->objectName() != QLatin1String(name); ++step)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        return QApplication::focusWidget()->objectName() == QLatin1String(name);
    };
    QTest::keyClick(&tabs, Qt::Key_Tab);
    ASSERT_TRUE(QApplication::focusWidget()->objectName() == u"EditLimiteScaglione1")
        << str(QApplication::focusWidget()->objectName());
    ASSERT_TRUE(tabTo("ComboBoxReddito"));
    QWidget* edit = QApplication::focusWidget();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("100000"));
    ASSERT_TRUE(tabTo("ChecklavoroDipendente"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(tabTo("CheckContributiPre"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    ASSERT_TRUE(tabTo("ButtonCalcolaTasse"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(str(QStringLiteral("Imposte Totali: €34.210,00")), str(find<QLabel>("LabelRisultatoTasse").text()));
}

} // namespace
} // namespace vareldo::testing
