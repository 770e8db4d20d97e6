#include "ui/MessageBoxes.h"

#include "text/Failures.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>

namespace vareldo {
namespace {

std::string str(const QString& text) { return text.toStdString(); }

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

struct BoxSeen {
    bool shown = false;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool okIsDefault = false;
    bool modal = false;
};

// Shows a box through show, reads it while it is open and closes it with its OK button.
BoxSeen readAndClose(const std::function<void()>& show)
{
    BoxSeen seen;
    QTimer poll;
    poll.setInterval(5);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || seen.shown)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.format = box->textFormat();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons << button->text().remove(u'&');
        seen.okIsDefault = box->defaultButton() == box->button(QMessageBox::Ok);
        seen.modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    show();
    return seen;
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

} // namespace
} // namespace vareldo
