#include "config/Configuration.h"

#include "tests/support/ExeFolder.h"
#include "tests/support/FakeControls.h"
#include "tests/support/SettingsGuard.h"
#ifndef _WIN32
#include "tests/support/PosixFixtures.h"
#endif

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <functional>
#include <iostream>
#include <optional>
#include <random>

namespace vareldo::testing {
namespace {

const QString NotFound =
    u"File di configurazione \"config.ini\" non trovato. Verranno usati i valori predefiniti."_s;

// Reads the configuration beside the pretend executable into a newly created window's state.
QStringList load(const ExeFolder& folder, CalculationState& state)
{
    QStringList messages;
    CaricaConfigurazione(folder.path(), state, [&](const QString& text) { messages.append(text); });
    return messages;
}

QByteArray withByteOrderMark(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

QByteArray repeated(char c, qsizetype count)
{
    return QByteArray(count, c);
}

// Bytes that are no text at all, the same ones at every run.
QByteArray randomBytes(qsizetype count)
{
    std::mt19937 generator(2024);
    QByteArray bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator() & 0xFF);
    return bytes;
}

// Ten megabytes with no line break: keys inside it are text after the section name.
QByteArray tenMegabyteLine()
{
    QByteArray line = "[Scaglioni]";
    while (line.size() < (10 << 20))
        line += " Limite1=30000";
    return line;
}

const QString FullTable = u"[Scaglioni]\r\nLimite1=15000\r\nLimite2=28000\r\nLimite3=50000\r\n"
                          u"[Aliquote]\r\nAliquota1=0,2\r\nAliquota2=0,3\r\nAliquota3=0,4\r\n"_s;

TEST(Configuration, ValuesComeFromTheFileOrTheirDefaults)
{
    const BracketValues L = BuiltInLimits;
    const BracketValues R = BuiltInRates;
    struct Case {
        const char* name;
        TFormatSettings settings;
        QByteArray file;
        BracketValues limits;
        BracketValues rates;
    };
    const Case cases[] = {
        {"every key", Italian,
         "[Scaglioni]\nLimite1=15000\nLimite2=28000\nLimite3=50000\n"
         "[Aliquote]\nAliquota1=0,2\nAliquota2=0,3\nAliquota3=0,4\n"_ba,
         {15000, 28000, 50000}, {0.2, 0.3, 0.4}},
        {"partial file, decimal comma", Italian, "[Aliquote]\nAliquota1=0,25\n"_ba, L, {0.25, R[2], R[3]}},
        {"decimal point under Italian settings", Italian, "[Aliquote]\nAliquota1=0.25\n"_ba, L, R},
        {"decimal comma under English settings", English, "[Aliquote]\nAliquota1=0,25\n"_ba, L, R},
        {"decimal point under English settings", English, "[Aliquote]\nAliquota1=0.25\n"_ba, L, {0.25, R[2], R[3]}},
        {"thousands separator", Italian, "[Scaglioni]\nLimite1=28.000\n"_ba, L, R},
        {"thousands separator that is the decimal one", English, "[Scaglioni]\nLimite1=28.000\n"_ba,
         {28, L[2], L[3]}, R},
        {"names in another case", Italian, "[sCAGLIONI]\nLIMITE2=45000\n[aliquote]\naliquota3=0,5\n"_ba,
         {L[1], 45000, L[3]}, {R[1], R[2], 0.5}},
        {"blanks around names and value", Italian, "  [ Scaglioni ]  \n\t Limite1 \t=  30000 \t\n"_ba,
         {30000, L[2], L[3]}, R},
        {"exponent notation", Italian, "[Scaglioni]\nLimite3=2,5E6\nLimite2=4e4\n"_ba, {L[1], 40000, 2500000}, R},
        {"empty file", Italian, ""_ba, L, R},
        {"other sections only", Italian, "[Altro]\nLimite1=1\nAliquota1=1\n"_ba, L, R},
        {"empty and unconvertible values", Italian, "[Scaglioni]\nLimite1=\nLimite2=abc\nLimite3=1E400\n"_ba, L, R},
        {"zero, negative and falling values kept", Italian,
         "[Scaglioni]\nLimite1=0\nLimite2=-5\n[Aliquote]\nAliquota3=23\n"_ba, {0, -5, L[3]}, {R[1], R[2], 23}},
        {"quotes around a value", Italian, "[Scaglioni]\nLimite1=\"30000\"\nLimite2='40000'\nLimite3=\"5'\n"_ba,
         {30000, 40000, L[3]}, R},
        {"comment lines", Italian, "[Scaglioni]\n;Limite1=1\n# Limite2=2\nLimite3=3\n"_ba, {L[1], L[2], 3}, R},
        {"text after a value is part of it", Italian, "[Scaglioni]\nLimite1=30000 ; note\n"_ba, L, R},
        {"text after the section name", Italian, "[Scaglioni] ; the brackets\nLimite1=30000\n"_ba,
         {30000, L[2], L[3]}, R},
        {"first key wins, repeated section merged", Italian,
         "[Scaglioni]\nLimite1=1\nLimite1=2\n[Aliquote]\n[Scaglioni]\nLimite1=3\nLimite2=4\n"_ba, {1, 4, L[3]}, R},
        {"key before any section", Italian, "Limite1=1\n[Scaglioni]\nLimite2=2\n"_ba, {L[1], 2, L[3]}, R},
        {"lines without an equals sign", Italian, "[Scaglioni]\nLimite1\nLimite2 30000\nLimite3=3\n"_ba,
         {L[1], L[2], 3}, R},
        {"value cut at 2047 characters", Italian, "[Scaglioni]\nLimite1=" + repeated('0', 2047) + "5\n"_ba,
         {0, L[2], L[3]}, R},
        {"CRLF line ends", Italian, "[Scaglioni]\r\nLimite1=1\r\nLimite2=2\r\n"_ba, {1, 2, L[3]}, R},
        {"CR line ends", Italian, "[Scaglioni]\rLimite1=1\rLimite2=2\r"_ba, {1, 2, L[3]}, R},
        {"UTF-8 with BOM", Italian, "\xEF\xBB\xBF[Scaglioni]\nLimite1=1\n"_ba, {1, L[2], L[3]}, R},
        {"UTF-16 LE with BOM", Italian, withByteOrderMark(QStringConverter::Utf16LE, FullTable),
         {15000, 28000, 50000}, {0.2, 0.3, 0.4}},
        {"UTF-16 BE with BOM", Italian, withByteOrderMark(QStringConverter::Utf16BE, FullTable),
         {15000, 28000, 50000}, {0.2, 0.3, 0.4}},
        {"UTF-16 LE without BOM reads as UTF-8 and finds nothing", Italian,
         QStringEncoder(QStringConverter::Utf16LE).encode(FullTable), L, R},
        {"NUL and invalid bytes between the keys", Italian,
         "[Scaglioni]\nLimite1=1\n\0\xFF\xFE\xC3 garbage \x80\x01\nLimite2=2\0\nLimite3=3\n"_ba, {1, L[2], 3}, R},
        {"10 MB line between the keys", Italian,
         "[Scaglioni]\nLimite1=1\n" + repeated('x', 10 << 20) + "\nLimite2=2\n"_ba, {1, 2, L[3]}, R},
        {"10 MB value", Italian, "[Scaglioni]\nLimite3=1" + repeated('0', 10 << 20) + "\nLimite2=2\n"_ba,
         {L[1], 2, L[3]}, R},
        {"one line of 10 MB", Italian, tenMegabyteLine(), L, R},
        {"a megabyte of random bytes", Italian, randomBytes(1 << 20), L, R},
        {"random bytes, then a line break and a key", Italian, randomBytes(1 << 20) + "\n[Scaglioni]\nLimite1=30000\n",
         {30000, L[2], L[3]}, R},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsGuard settings(c.settings);
        ExeFolder folder;
        folder.writeConfig(c.file);
        CalculationState state;

        EXPECT_EQ(QStringList(), load(folder, state));

        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(c.limits[i], state.LimitiScaglioni[i]) << "Limite" << i;
            EXPECT_EQ(c.rates[i], state.Aliquote[i]) << "Aliquota" << i;
        }
    }
}

TEST(Configuration, OnlyAFileOrALinkToOneIsRead)
{
    struct Case {
        const char* name;
        std::function<void(const ExeFolder&)> make;
        bool found;
        bool link = false;
    };
    const Case cases[] = {
        {"no file", [](const ExeFolder&) {}, false},
        {"folder named config.ini", [](const ExeFolder& f) { ASSERT_TRUE(QDir(f.path()).mkdir(u"config.ini"_s)); },
         false},
        {"dangling link", [](const ExeFolder& f) { MakeSymbolicLink(f.path() + u"gone.ini"_s, f.configPath()); },
         false, true},
        {"link loop",
         [](const ExeFolder& f) {
             MakeSymbolicLink(f.configPath() + u".loop"_s, f.configPath());
             MakeSymbolicLink(f.configPath(), f.configPath() + u".loop"_s);
         },
         false, true},
        {"link to a file",
         [](const ExeFolder& f) {
             f.write(u"real.ini"_s, "[Scaglioni]\nLimite1=30000\n");
             MakeSymbolicLink(f.path() + u"real.ini"_s, f.configPath());
         },
         true, true},
#ifndef _WIN32
        // Neither is a file: opening them would read for ever or wait for a writer for ever.
        {"link to a device that never ends", [](const ExeFolder& f) { MakeSymbolicLink(u"/dev/zero"_s, f.configPath()); },
         false, true},
        {"named pipe that no one writes", [](const ExeFolder& f) { ASSERT_TRUE(MakeNamedPipe(f.configPath())); },
         false},
#endif
    };
    SettingsGuard italian(Italian);
    const bool links = SymbolicLinksCanBeMade();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.link && !links) {
            std::cout << "[ NO LINKS ] " << c.name << ": this system makes no symbolic links for this user\n";
            continue;
        }
        ExeFolder folder;
        c.make(folder);
        CalculationState state;

        const QStringList messages = load(folder, state);

        EXPECT_EQ(c.found ? QStringList() : QStringList{NotFound}, messages);
        EXPECT_EQ(c.found ? BracketValues(30000, 50000, 10000000) : BuiltInLimits, state.LimitiScaglioni);
        EXPECT_EQ(BuiltInRates, state.Aliquote);
    }
}

#ifndef _WIN32
// Read as a pupil reads it: as root every file is readable, so the reading runs as nobody.
TEST(Configuration, UnreadableFileGivesDefaultsSilently)
{
    SettingsGuard italian(Italian);
    ExeFolder folder;
    // The user who reads the file may enter the folder, but not read the file.
    QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                             | QFileDevice::ReadOther | QFileDevice::ExeOther);
    folder.writeConfig("[Scaglioni]\nLimite1=30000\n");
    ASSERT_TRUE(QFile::setPermissions(folder.configPath(), {}));

    const auto readAsPupil = [&] {
        if (QFile file(folder.configPath()); file.open(QIODevice::ReadOnly))
            return u"(readable)"_s;
        CalculationState state;
        const QStringList messages = load(folder, state);
        const bool defaults = state.LimitiScaglioni == BuiltInLimits && state.Aliquote == BuiltInRates;
        return u"messages ["_s + messages.join(u" | "_s) + (defaults ? u"] built-in table"_s : u"] table read"_s);
    };
    QString problem;
    const std::optional<QString> got = RunWithoutPrivileges(readAsPupil, problem);
    if (!got)
        GTEST_SKIP() << "NOT TESTED: an unreadable config.ini, because " << problem.toStdString();
    if (*got == u"(readable)"_s)
        GTEST_SKIP() << "NOT TESTED: an unreadable config.ini, because this user reads a file of mode 000 "
                        "and cannot run as another user";
    EXPECT_EQ("messages [] built-in table", got->toStdString());
}
#endif

TEST(Configuration, ConfiguredTableHoldsUntilTheFirstProgressiveRun)
{
    SettingsGuard italian(Italian);
    ExeFolder folder;
    folder.writeConfig("[Scaglioni]\nLimite2=20000\n"_ba);
    TestWindow w;
    ASSERT_EQ(QStringList(), load(folder, w.state));
    w.controls.type(u"ComboBoxReddito", u"30000"_s);

    w.calculations.Button6Click();
    EXPECT_EQ(u"Imposte Totali: €7.940,00"_s, w.controls.label(u"LabelRisultatoTasse"));

    w.calculations.ButtonCalcolaTasseClick();
    EXPECT_EQ(BuiltInLimits, w.state.LimitiScaglioni);
    EXPECT_EQ(u"Imposte Totali: €7.140,00"_s, w.controls.label(u"LabelRisultatoTasse"));

    w.calculations.Button6Click();
    EXPECT_EQ(u"Imposte Totali: €7.140,00"_s, w.controls.label(u"LabelRisultatoTasse"));
    EXPECT_EQ(u"Scaglione 2: €50.000,00 (aliquota 35%), Tasse: €700,00, "
              u"Redd. tassabile rimanente X prossimo scaglione: €0,00"_s,
              w.controls.label(u"CalcoloScaglione2"));
}

} // namespace
} // namespace vareldo::testing
