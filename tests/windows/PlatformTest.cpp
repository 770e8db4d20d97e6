// What the Windows build does beyond Qt, driven under Wine by scripts/windows: the program's
// own folder in native notation, the shell's "open" on the teaching folder, the separators
// from the regional settings and again after Windows announces their change, the show request
// of the launch, the title from the executable's name and the two exit codes.
#include "tests/support/Printers.h"
#include "tests/support/QtApplication.h"
#include "tests/support/SettingsGuard.h"
#include "text/FormatSettings.h"
#include "text/NumberWriting.h"
#include "ui/LocaleNumberSettings.h"
#include "ui/MessageBoxes.h"
#include "ui/Platform_win.h"
#include "ui/Unit1.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <string>

namespace {

using namespace vareldo;
namespace platform = vareldo::platform;

using vareldo::testing::str;

// --- the program's folder and the teaching folder --------------------------------------------

TEST(NativePaths, ExecutableFolderIsWrittenWithBackslashesAndEndsWithOne)
{
    const QString folder = platform::ExecutableFolder();
    EXPECT_EQ(str(QDir::toNativeSeparators(QCoreApplication::applicationDirPath()) + u'\\'), str(folder));
    EXPECT_FALSE(folder.contains(u'/')) << str(folder);
    EXPECT_EQ(u':', folder.at(1)) << str(folder) << " is no path on a drive";
}

// The shell calls that the window makes, recorded instead of made.
struct ShellCall {
    bool noOwner;
    QString verb;
    QString file;
    bool noParameters;
    bool noFolder;
    int showState;
};
QList<ShellCall> shellCalls;

HINSTANCE WINAPI recordShellCall(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                                 INT showState)
{
    shellCalls.append({owner == nullptr, verb ? QString::fromWCharArray(verb) : QStringLiteral("(none)"),
                       QString::fromWCharArray(file), parameters == nullptr, folder == nullptr, showState});
    return reinterpret_cast<HINSTANCE>(33); // above 32: the shell did it
}

// The real window with the desktop's context, beside this test program, where no teaching
// folder and no config.ini lie; the boxes are recorded.
class DesktopWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(platform::ExecutableFolder()).rmdir(QStringLiteral("FAQ_DIDATTICHE"));
        shellCalls.clear();
        platform::ShellExecuteCall = recordShellCall;
        WindowContext context = DesktopContext();
        context.showMessage = [this](const QString& text) { messages << text; };
        context.showErrorBox = [this](const QString& text) { errors << text; };
        window = std::make_unique<T_PRINCIPALE>(context);
    }
    void TearDown() override
    {
        platform::ShellExecuteCall = ::ShellExecuteW;
        QDir(platform::ExecutableFolder()).rmdir(QStringLiteral("FAQ_DIDATTICHE"));
    }

    const QString teachingFolder = platform::ExecutableFolder() + QStringLiteral("FAQ_DIDATTICHE\\");
    vareldo::testing::SettingsGuard italian{vareldo::testing::Italian};
    QStringList messages;
    QStringList errors;
    std::unique_ptr<T_PRINCIPALE> window;
};

TEST_F(DesktopWindow, BothFolderMessagesShowTheNativePathEndingInTheFolderAndABackslash)
{
    ASSERT_FALSE(messages.isEmpty());
    EXPECT_EQ(str(QStringLiteral("La cartella specificata non esiste: ") + teachingFolder), str(messages[0]));
    EXPECT_FALSE(messages[0].contains(u'/')) << str(messages[0]);

    messages.clear();
    window->ListBox1Click(nullptr);
    ASSERT_EQ(1, messages.size());
    EXPECT_EQ(str(QStringLiteral("La cartella non esiste: ") + teachingFolder), str(messages[0]));
    EXPECT_TRUE(shellCalls.isEmpty());
    EXPECT_TRUE(errors.isEmpty()) << str(errors.join(u'|'));
}

TEST_F(DesktopWindow, TheTeachingFolderOpensThroughTheShellsOpenShownNormally)
{
    ASSERT_TRUE(QDir(platform::ExecutableFolder()).mkdir(QStringLiteral("FAQ_DIDATTICHE")));
    messages.clear();
    window->ListBox1Click(nullptr);
    window->ListBox1Click(nullptr);

    EXPECT_TRUE(messages.isEmpty()) << str(messages.join(u'|'));
    ASSERT_EQ(2, shellCalls.size()) << "each selection asks the shell again";
    for (const ShellCall& call : shellCalls) {
        EXPECT_TRUE(call.noOwner);
        EXPECT_EQ("open", str(call.verb));
        EXPECT_EQ(str(teachingFolder), str(call.file));
        EXPECT_TRUE(call.noParameters);
        EXPECT_TRUE(call.noFolder);
        EXPECT_EQ(SW_SHOWNORMAL, call.showState);
    }
}

// --- the regional settings ------------------------------------------------------------------

QString registryText(const wchar_t* name)
{
    wchar_t value[32] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, L"Control Panel\\International", name, RRF_RT_REG_SZ, nullptr, value,
                     &size) != ERROR_SUCCESS)
        return {};
    return QString::fromWCharArray(value);
}

TEST(RegionalSettings, SeparatorsComeFromTheUsersItalianSettings)
{
    // scripts/windows writes sDecimal "," and sThousand "." into the prefix before this run.
    ASSERT_EQ(",", str(registryText(L"sDecimal"))) << "the prefix holds no Italian decimal symbol";
    ASSERT_EQ(".", str(registryText(L"sThousand"))) << "the prefix holds no Italian grouping symbol";
    vareldo::testing::SettingsGuard restored{vareldo::testing::English};

    TakeNumberSettingsFromLocale();

    EXPECT_EQ(u',', FormatSettings.DecimalSeparator);
    EXPECT_EQ(u'.', FormatSettings.ThousandSeparator);
    EXPECT_EQ("34.210,00", str(FormatFloat(u"#,##0.00", 34210)));
}

// The symbols of this process changed through the regional settings' own call, then put back.
class ChangedSymbols {
public:
    ChangedSymbols(const wchar_t* decimal, const wchar_t* grouping)
        : decimal_(platform::UserNumberSymbols().decimal), grouping_(platform::UserNumberSymbols().grouping)
    {
        EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal));
        EXPECT_TRUE(SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, grouping));
    }
    ~ChangedSymbols()
    {
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal_.toStdWString().c_str());
        SetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, grouping_.toStdWString().c_str());
    }

private:
    QString decimal_;
    QString grouping_;
};

TEST(RegionalSettings, AnAnnouncedChangeOfTheRegionalSettingsIsReadAgain)
{
    vareldo::testing::SettingsGuard restored{vareldo::testing::Italian};
    int rereads = 0;
    platform::WatchRegionalSettings(*qApp, [&rereads] {
        ++rereads;
        TakeNumberSettingsFromLocale();
    });
    QWidget window; // a top-level window, as the main window is, to which Windows sends the news
    window.show();
    const auto hwnd = reinterpret_cast<HWND>(window.winId());

    const ChangedSymbols english(L".", L",");
    // Nothing is read before the change is announced.
    EXPECT_EQ(u',', FormatSettings.DecimalSeparator);

    SendMessageW(hwnd, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"Policy"));
    EXPECT_EQ(0, rereads) << "a change of something else is not a change of the separators";
    EXPECT_EQ(u',', FormatSettings.DecimalSeparator);

    SendMessageW(hwnd, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"intl"));
    EXPECT_LE(1, rereads);
    EXPECT_EQ(u'.', FormatSettings.DecimalSeparator);
    EXPECT_EQ(u',', FormatSettings.ThousandSeparator);
    EXPECT_EQ("34,210.00", str(FormatFloat(u"#,##0.00", 34210)));
}

// --- the launch, the title and the exit codes ------------------------------------------------

struct ProbeRun {
    int exitCode = -1;
    QStringList output;
};

// The probe beside this program, started as Windows starts a program, with a show request
// when showWindow is not -1.
ProbeRun runProbe(const QString& program, const QString& mode, int showWindow = -1)
{
    QProcess probe;
    if (showWindow != -1)
        probe.setCreateProcessArgumentsModifier([showWindow](QProcess::CreateProcessArguments* arguments) {
            arguments->startupInfo->dwFlags |= STARTF_USESHOWWINDOW;
            arguments->startupInfo->wShowWindow = WORD(showWindow);
        });
    probe.start(program, {mode});
    EXPECT_TRUE(probe.waitForFinished(60000)) << str(program) << " " << str(mode) << " did not end";
    ProbeRun run;
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -1;
    run.output = QString::fromUtf8(probe.readAllStandardOutput()).remove(u'\r').split(u'\n', Qt::SkipEmptyParts);
    return run;
}

QString probePath() { return QCoreApplication::applicationDirPath() + QStringLiteral("/vareldo_probe.exe"); }

TEST(Launch, TheWindowIsShownAsTheLaunchAskedAndTheExitCodeIsZeroAfterItCloses)
{
    const struct {
        const char* launch;
        int showWindow;
        const char* shown;
    } cases[] = {
        {"no request", -1, "normal"},
        {"SW_SHOWNORMAL", SW_SHOWNORMAL, "normal"},
        {"SW_SHOWMAXIMIZED", SW_SHOWMAXIMIZED, "maximised"},
        {"SW_SHOWMINNOACTIVE", SW_SHOWMINNOACTIVE, "minimised"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.launch);
        const ProbeRun run = runProbe(probePath(), QStringLiteral("shown"), c.showWindow);
        EXPECT_EQ(0, run.exitCode);
        EXPECT_EQ(QStringList{QString::fromLatin1(c.shown)}, run.output) << str(run.output.join(u'|'));
    }
}

TEST(Launch, ShowRequestsOfTheStartUpRecord)
{
    const struct {
        DWORD flags;
        WORD showWindow;
        platform::ShowRequest request;
    } cases[] = {
        {0, SW_SHOWMAXIMIZED, platform::ShowRequest::Normal}, // no request without the flag
        {STARTF_USESHOWWINDOW, SW_SHOWNORMAL, platform::ShowRequest::Normal},
        {STARTF_USESHOWWINDOW, SW_SHOWDEFAULT, platform::ShowRequest::Normal},
        {STARTF_USESHOWWINDOW, SW_SHOWMAXIMIZED, platform::ShowRequest::Maximised},
        {STARTF_USESHOWWINDOW, SW_SHOWMINNOACTIVE, platform::ShowRequest::Minimised},
        {STARTF_USESHOWWINDOW, SW_MINIMIZE, platform::ShowRequest::Minimised},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "flags " << c.flags << ", show " << c.showWindow);
        EXPECT_EQ(c.request, platform::ShowRequestFrom(c.flags, c.showWindow));
    }
}

TEST(Launch, AWindowThatFailsWhileItIsBuiltEndsInTheLastChanceReportAndExitCodeOne)
{
    const ProbeRun run = runProbe(probePath(), QStringLiteral("failing-window"));
    EXPECT_EQ(1, run.exitCode);
    ASSERT_EQ(3, run.output.size()) << str(run.output.join(u'|'));
    EXPECT_EQ("box: Application Error", str(run.output[0]));
    EXPECT_EQ("Exception EConvertError in module vareldo_probe.exe at 0000000000000000.", str(run.output[1]));
    EXPECT_EQ("'built' is not a valid floating point value.", str(run.output[2]));
}

TEST(Title, TheTitleComesFromTheExecutablesName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const struct {
        const char* name;
        const char* title;
    } cases[] = {{"Vareldo.exe", "Vareldo"}, {"VARELDO.EXE", "Vareldo"}, {"vareldo.test.exe", "vareldo"}};
    int run = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // A folder each: the file system does not tell the names' cases apart.
        const QString subfolder = QString::number(++run);
        ASSERT_TRUE(QDir(folder.path()).mkdir(subfolder));
        const QString copy = folder.filePath(subfolder + u'/' + QString::fromLatin1(c.name));
        ASSERT_TRUE(QFile::copy(probePath(), copy));
        const ProbeRun titled = runProbe(copy, QStringLiteral("title"));
        EXPECT_EQ(0, titled.exitCode);
        EXPECT_EQ(QStringList{QString::fromLatin1(c.title)}, titled.output) << str(titled.output.join(u'|'));
    }
}

} // namespace
