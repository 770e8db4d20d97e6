#include "ui/MessageBoxes.h"

#include "tests/support/BoxWatcher.h"
#include "tests/support/LongTexts.h"
#include "tests/support/WindowHarness.h"
#include "text/Failures.h"
#include "ui/MessageText.h"
#include "ui/QtTranslations.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleInterface>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QFontMetricsF>
#include <QImage>
#include <QScreen>
#include <QTimer>
#include <QTranslator>

#include <functional>
#include <memory>
#include <string>

namespace vareldo {
namespace {

using testing::BoxSeen;
using testing::readAndClose;
using testing::str;
using namespace Qt::StringLiterals;

TEST(ApplicationTitle, IsTheExecutableNameBeforeItsFirstDotWithTheRestInLowerCase)
{
    const struct {
        const char* fileName;
        const char* title;
    } cases[] = {
        {"ABC.DEF.EXE", "Abc"}, {"VARELDO.EXE", "Vareldo"}, {"Vareldo", "Vareldo"},
        {"vareldo", "vareldo"}, {"ui_tests", "ui_tests"},   {".hidden", ""},
        {"", ""},               {"ÀBÇ.exe", "Àbç"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.title, str(TitleFromExecutableName(QString::fromUtf8(row.fileName)))) << row.fileName;
    EXPECT_EQ("ui_tests", str(ApplicationTitle()));
}

TEST(ErrorDisplayText, AppendsAFullStopAfterACharacterAboveTheFullStop)
{
    const struct {
        const char* message;
        const char* shown;
    } cases[] = {
        {"Floating point overflow", "Floating point overflow."},
        {"'abc' is not a valid floating point value", "'abc' is not a valid floating point value."},
        {"Already ended.", "Already ended."},
        {"value '", "value '"},
        {"bracket)", "bracket)"},
        {"comma,", "comma,"},
        {"blank ", "blank "},
        {"dash-", "dash-"},
        {"slash/", "slash/."},
        {"digit 7", "digit 7."},
        {"", ""},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.shown, str(ErrorDisplayText(QString::fromLatin1(row.message)))) << '"' << row.message << '"';
}

TEST(LastChanceReport, NamesKindModuleOffsetAndMessage)
{
    const struct {
        const char* message;
        const char* report;
    } cases[] = {
        {"'x' is not a valid floating point value",
         "Exception EConvertError in module Vareldo at 00000000004A2B3F.\n'x' is not a valid floating point value.\n"},
        {"Ends here.", "Exception EConvertError in module Vareldo at 00000000004A2B3F.\nEnds here.\n"},
        {"", "Exception EConvertError in module Vareldo at 00000000004A2B3F.\n\n"},
    };
    for (const auto& row : cases)
        EXPECT_EQ(row.report, str(LastChanceReportText(QStringLiteral("EConvertError"), QStringLiteral("Vareldo"),
                                                       0x4A2B3F, QString::fromLatin1(row.message))))
            << '"' << row.message << '"';
}

TEST(MessageBoxes, MessageBoxHasTheTitleNoIconAndOneDefaultOk)
{
    const BoxSeen seen = readAndClose([] { ShowMessagePos(QStringLiteral("abc<b>def</b>"), -1, -1); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ("ui_tests", str(seen.title));
    EXPECT_EQ("abc<b>def</b>", str(seen.text));
    EXPECT_EQ(Qt::PlainText, seen.format);
    EXPECT_EQ(QMessageBox::NoIcon, seen.icon);
    EXPECT_EQ(QStringList{QStringLiteral("OK")}, seen.buttons);
    EXPECT_TRUE(seen.okIsDefault);
    EXPECT_TRUE(seen.modal);
}

TEST(MessageBoxes, DefaultErrorDisplayShowsTheMessageWithItsFullStopAndTheErrorIcon)
{
    const BoxSeen seen = readAndClose([] { HandleException(EOverflow()); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ("ui_tests", str(seen.title));
    EXPECT_EQ("Floating point overflow.", str(seen.text));
    EXPECT_EQ(Qt::PlainText, seen.format);
    EXPECT_EQ(QMessageBox::Critical, seen.icon);
    EXPECT_EQ(QStringList{QStringLiteral("OK")}, seen.buttons);
    EXPECT_TRUE(seen.modal);
}

TEST(MessageBoxes, LastChanceReportHasItsOwnCaptionAndTheErrorIcon)
{
    const BoxSeen seen = readAndClose([] { ShowLastChanceReport(EConvertError::InvalidFloat(QStringLiteral("x"))); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ("Application Error", str(seen.title));
    EXPECT_TRUE(seen.text.startsWith(QStringLiteral("Exception EConvertError in module ui_tests at ")))
        << str(seen.text);
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral(".\n'x' is not a valid floating point value.\n"))) << str(seen.text);
    EXPECT_EQ(QMessageBox::Critical, seen.icon);
    EXPECT_EQ(QStringList{QStringLiteral("OK")}, seen.buttons);
}

TEST(MessageBoxes, OkStaysOkInEveryLanguage)
{
    for (const char* language : {"it", "es", "zh_CN"}) {
        SCOPED_TRACE(language);
        const std::unique_ptr<QTranslator> installed(InstallQtTranslation(*qApp, QLocale(QString::fromLatin1(language))));
        ASSERT_NE(nullptr, installed) << "Qt's translations are installed by scripts/deps";
        for (const auto& show : {std::function<void()>([] { ShowMessagePos(QStringLiteral("x"), -1, -1); }),
                                 std::function<void()>([] { HandleException(EOverflow()); })}) {
            const BoxSeen seen = readAndClose(show);
            EXPECT_EQ("OK", str(seen.buttons.join(u'|')));
        }
    }
}

// Qt's box as it is, for the looks of a short text.
BoxSeen qtsOwnBox(QMessageBox::Icon icon, const QString& text)
{
    QMessageBox box(icon, ApplicationTitle(), text, QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Ok);
    box.show();
    QApplication::processEvents();
    BoxSeen seen;
    seen.size = box.size();
    seen.picture = box.grab().toImage();
    return seen;
}

// Texts that Qt's box shows whole, on one line or wrapped between words, look as they do there.
TEST(MessageBoxes, TextsThatQtsBoxShowsWholeLookAsThere)
{
    const QString folder = QStringLiteral("La cartella specificata non esiste: /opt/vareldo/FAQ_DIDATTICHE");
    const QString words = QStringLiteral("Una frase di molte parole brevi ").repeated(8).trimmed();
    const struct {
        const char* what;
        QString text;
        QMessageBox::Icon icon;
        std::function<void()> show;
    } cases[] = {
        {"income error", QStringLiteral("Errore: 'abc' is not a valid floating point value"), QMessageBox::NoIcon,
         [] { ShowMessagePos(QStringLiteral("Errore: 'abc' is not a valid floating point value"), -1, -1); }},
        {"one letter", QStringLiteral("x"), QMessageBox::NoIcon, [] { ShowMessagePos(QStringLiteral("x"), -1, -1); }},
        {"folder", folder, QMessageBox::NoIcon, [&] { ShowMessagePos(folder, -1, -1); }},
        {"many short words", words, QMessageBox::NoIcon, [&] { ShowMessagePos(words, -1, -1); }},
        {"error display", QStringLiteral("Floating point overflow."), QMessageBox::Critical,
         [] { HandleException(EOverflow()); }},
        {"two lines", QStringLiteral("Riga uno\nRiga due"), QMessageBox::Critical,
         [] { ShowErrorBox(QStringLiteral("Riga uno\nRiga due")); }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const BoxSeen seen = readAndClose(row.show);
        ASSERT_TRUE(seen.shown);
        const BoxSeen qts = qtsOwnBox(row.icon, row.text);
        EXPECT_EQ(qts.size, seen.size);
        EXPECT_TRUE(qts.picture == seen.picture) << "the box is drawn otherwise than Qt's own";
    }
}

// Qt's box clips a word wider than the box; this one breaks inside it.
TEST(MessageBoxes, LongWordsWrapInsideThemAndTheWholeTextStaysInView)
{
    const QString income = QStringLiteral("Errore: ") + FailureMessage(EConvertError::InvalidFloat(QString(200, u'7')));
    const QString shortened = ErrorDisplayText(FailureMessage(EConvertError::InvalidFloat(QString(300, u'9'))));
    ASSERT_TRUE(shortened.contains(u'…')) << str(shortened);
    const QString path = QStringLiteral("La cartella specificata non esiste: ") +
                         QStringLiteral("/scuola/classe_terza/laboratorio_di_economia/").repeated(6) +
                         QStringLiteral("FAQ_DIDATTICHE");
    const struct {
        const char* what;
        QString text;
        std::function<void()> show;
    } cases[] = {
        {"200 digits of income", income, [&] { ShowMessagePos(income, -1, -1); }},
        {"shortened around the ellipsis", shortened,
         [] { HandleException(EConvertError::InvalidFloat(QString(300, u'9'))); }},
        {"long folder path", path, [&] { ShowMessagePos(path, -1, -1); }},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const BoxSeen seen = readAndClose(row.show);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(str(row.text), str(seen.text)) << "the message, exactly";
        EXPECT_LE(seen.size.width(), std::min(seen.screen.width() / 2, 500)) << "the box fits the screen";
        EXPECT_LE(seen.size.height(), seen.screen.height());
        ASSERT_NE(nullptr, seen.wrapped);
        EXPECT_TRUE(QRect(QPoint(0, 0), seen.size).contains(seen.wrappedArea));
        EXPECT_GT(seen.wrappedLines.size(), 1);
        EXPECT_EQ(str(row.text), str(seen.wrappedLines.join(QString()))) << "every character is drawn once";
        EXPECT_EQ(str(row.text), str(seen.wrappedReads)) << "a screen reader reads the message";
    }
}

// A box with a megabyte in it would be wider than any screen: the message keeps the typed
// text's start and end, and a text that breaks at every blank does not grow into a tower.
TEST(MessageBoxes, AMegabyteTypedStillGivesABoxThatFitsTheScreen)
{
    using namespace testing;
    const QSize screen(1280, 1024);
    const QString spacedThousands = megabyteOf(u"1 000 "_s);
    const QString digits = megabyteOf(u"1234567890"_s);
    const struct {
        const char* name;
        QString income;
        const char* button;
        QString boxText;
    } cases[] = {
        {"a megabyte of digits, progressive", digits, "ButtonCalcolaTasse", u"Errore: "_s + conversionMessage(digits)},
        {"a megabyte of digits, step-wise", digits, "Button6", conversionMessage(digits) + u'.'},
        {"a megabyte of spaced thousands, which a box would wrap into a tower", spacedThousands,
         "ButtonCalcolaTasse", u"Errore: "_s + conversionMessage(spacedThousands)},
        {"an ordinary text", u"abc"_s, "Button6", u"'abc' is not a valid floating point value."_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // The real boxes this time: the window's messages and failures open on screen.
        const WindowHarness w([](const QString& exeFolder, Sent&) {
            return WindowContext{exeFolder, [](const QString& text) { ShowMessagePos(text, -1, -1); }, ShowErrorBox,
                                 [](const QUrl&) {}};
        });
        w.showCalculationPage();
        w.pasteIncome(c.income);

        const BoxSeen seen = readAndClose([&] { w.click(c.button); });

        ASSERT_TRUE(seen.shown) << "no box opened";
        EXPECT_TRUE(c.boxText == seen.text) << "expected: " << brief(c.boxText) << "\ngot:      " << brief(seen.text);
        EXPECT_TRUE(seen.size.width() <= screen.width() && seen.size.height() <= screen.height())
            << "the box is " << seen.size.width() << " x " << seen.size.height();
        EXPECT_TRUE(seen.sizeHint.width() <= screen.width() && seen.sizeHint.height() <= screen.height())
            << "the box asks for " << seen.sizeHint.width() << " x " << seen.sizeHint.height();
    }
}

} // namespace
} // namespace vareldo
