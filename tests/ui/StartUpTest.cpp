#include "tests/support/WindowHarness.h"

#include "ui/TeachingMaterials.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLocale>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <stdexcept>

namespace vareldo::testing {
namespace {

const QStringList IncomeChoices = {"10000", "15000",  "20000",  "25000",   "30000",   "40000",
                                   "50000", "75000", "100000", "200000", "1000000", "10000000"};

const char* const AmountBoxes[] = {"EditLavoroDipendente", "EditCarichiFamiliari", "EditSpeseMediche",
                                   "EditVarie",            "EditLavoroAutonomo",   "EditCreditoImposta",
                                   "EditContributiPre",    "EditAltreDetrazioni",  "EditAltreDeduzioni"};

QStringList choices(const QComboBox& box)
{
    QStringList texts;
    for (int i = 0; i < box.count(); ++i)
        texts << box.itemText(i);
    return texts;
}

QStringList amounts(const T_PRINCIPALE& window)
{
    QStringList texts;
    for (const char* box : AmountBoxes)
        texts << NamedChild<QLineEdit>(window, QString::fromLatin1(box)).text();
    return texts;
}

const QStringList DefaultAmounts = {"1000", "500", "300", "200", "0", "1000", "1000", "0", "0"};
const QStringList LayoutAmounts = {"0", "0", "0", "0", "0", "0", "0", "0", "0"};

TEST(StartUp, WithoutTeachingFolderOrConfigurationTwoMessagesComeInOrderAndTheWindowIsFilled)
{
    SettingsGuard italian{Italian};
    ExeFolder empty;
    Sent sent;
    T_PRINCIPALE window(RecordingContext(empty.path(), sent));

    ASSERT_EQ(2, sent.messages.size()) << str(sent.messages.join(u'|'));
    EXPECT_EQ(str(QStringLiteral("La cartella specificata non esiste: ") + TeachingFolderPath(empty.path())),
              str(sent.messages[0]));
    EXPECT_TRUE(sent.messages[1].contains(QStringLiteral("config.ini"))) << str(sent.messages[1]);
    EXPECT_TRUE(sent.errors.isEmpty());

    const auto& income = NamedChild<QComboBox>(window, QStringLiteral("ComboBoxReddito"));
    EXPECT_EQ(IncomeChoices, choices(income));
    EXPECT_EQ(-1, income.currentIndex());
    EXPECT_EQ("10000", str(income.currentText()));
    EXPECT_EQ(DefaultAmounts, amounts(window));
    EXPECT_EQ(BuiltInLimits, window.State().LimitiScaglioni);
    EXPECT_EQ(0, NamedChild<QListWidget>(window, QStringLiteral("ListBox1")).count());
}

TEST(StartUp, FailureEscapingAStepEndsTheCreationHandlerThereAndIsShown)
{
    SettingsGuard italian{Italian};
    ExeFolder empty;
    Sent sent;
    WindowContext context = RecordingContext(empty.path(), sent);
    // The first message of the creation handler fails, as a broken listing would.
    context.showMessage = [](const QString&) { throw std::runtime_error("Listing failed"); };
    T_PRINCIPALE window(std::move(context));

    EXPECT_EQ((QStringList{QStringLiteral("Listing failed.")}), sent.errors) << str(sent.errors.join(u'|'));
    const auto& income = NamedChild<QComboBox>(window, QStringLiteral("ComboBoxReddito"));
    EXPECT_EQ(0, income.count());
    EXPECT_EQ("10000", str(income.currentText()));
    EXPECT_EQ(LayoutAmounts, amounts(window));
    EXPECT_EQ(BracketValues{}, window.State().LimitiScaglioni) << "the configuration was never read";

    // The window still works.
    NamedChild<QPushButton>(window, QStringLiteral("Button6")).click();
    EXPECT_EQ(1, sent.errors.size());
}

TEST(StartUp, ConfiguredTableHoldsUntilTheFirstProgressiveCalculation)
{
    SettingsGuard italian{Italian};
    ExeFolder folder;
    folder.write(QStringLiteral("config.ini"), "[Scaglioni]\nLimite1=30000\n");
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    EXPECT_EQ(30000, window.State().LimitiScaglioni[1]);

    NamedChild<QPushButton>(window, QStringLiteral("ButtonCalcolaTasse")).click();
    EXPECT_EQ(28000, window.State().LimitiScaglioni[1]);
}

TEST(StartUp, NumberSettingsAreReadAgainWhenTheLocaleChanges)
{
    SettingsGuard italian{Italian};
    ExeFolder folder;
    folder.writeUsualFiles();
    Sent sent;
    T_PRINCIPALE window(RecordingContext(folder.path(), sent));
    ASSERT_EQ(u',', FormatSettings.DecimalSeparator);

    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&window, &change);
    const QLocale system = QLocale::system(); // C.UTF-8 in the test runs
    EXPECT_EQ(system.decimalPoint().front(), QChar(FormatSettings.DecimalSeparator));
    EXPECT_EQ(system.groupSeparator().front(), QChar(FormatSettings.ThousandSeparator));
}

TEST(TeachingList, EverySelectionChangeOpensTheTeachingFolderAndFocusAloneDoesNot)
{
    ExeFolder folder;
    folder.writeUsualFiles();
    folder.write(QStringLiteral("FAQ_DIDATTICHE/esercizi.pdf"), "x");
    folder.write(QStringLiteral("FAQ_DIDATTICHE/note"), "x");
    Sent fresh;
    T_PRINCIPALE another(RecordingContext(folder.path(), fresh));
    another.show();
    auto& list = NamedChild<QListWidget>(another, QStringLiteral("ListBox1"));
    ASSERT_EQ(3, list.count());
    EXPECT_TRUE(fresh.opened.isEmpty()) << "filling the list opens nothing";

    list.setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(fresh.opened.isEmpty()) << "a row made current by focus is no selection";

    list.setCurrentRow(0);
    QTest::keyClick(&list, Qt::Key_Down);
    QTest::keyClick(&list, Qt::Key_Down);
    const QUrl folderUrl = QUrl::fromLocalFile(TeachingFolderPath(folder.path()));
    ASSERT_EQ(3, fresh.opened.size());
    for (const QUrl& opened : fresh.opened)
        EXPECT_EQ(str(folderUrl.toString()), str(opened.toString()));
}

} // namespace
} // namespace vareldo::testing
