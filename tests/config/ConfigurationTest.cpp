#include "config/Configuration.h"

#include "tests/core/FakeControls.h"
#include "tests/text/SettingsGuard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <iostream>

namespace vareldo::testing {
namespace {

const QString NotFound =
    u"File di configurazione \"config.ini\" non trovato. Verranno usati i valori predefiniti."_s;

// A folder standing in for the executable's, with the path ending in a separator.
class ExeFolder {
public:
    ExeFolder() { EXPECT_TRUE(dir_.isValid()); }
    QString path() const { return dir_.path() + u'/'; }
    QString configPath() const { return path() + u"config.ini"_s; }

    void writeConfig(const QByteArray& bytes) const
    {
        QFile file(configPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(bytes.size(), file.write(bytes));
    }

    // Reads the configuration into a newly created window's state.
    QStringList load(CalculationState& state) const
    {
        QStringList messages;
        CaricaConfigurazione(path(), state, [&](const QString& text) { messages.append(text); });
        return messages;
    }

private:
    QTemporaryDir dir_;
};

QByteArray encoded(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

QByteArray repeated(char c, qsizetype count)
{
    return QByteArray(count, c);
}

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
        {"UTF-16 LE with BOM", Italian, encoded(QStringConverter::Utf16LE, u"[Scaglioni]\r\nLimite1=1\r\n"_s),
         {1, L[2], L[3]}, R},
        {"UTF-16 BE with BOM", Italian, encoded(QStringConverter::Utf16BE, u"[Aliquote]\nAliquota2=0,5\n"_s), L,
         {R[1], 0.5, R[3]}},
        {"NUL and invalid bytes between the keys", Italian,
         "[Scaglioni]\nLimite1=1\n\0\xFF\xFE\xC3 garbage \x80\x01\nLimite2=2\0\nLimite3=3\n"_ba, {1, L[2], 3}, R},
        {"10 MB line between the keys", Italian,
         "[Scaglioni]\nLimite1=1\n" + repeated('x', 10 << 20) + "\nLimite2=2\n"_ba, {1, 2, L[3]}, R},
        {"10 MB value", Italian, "[Scaglioni]\nLimite3=1" + repeated('0', 10 << 20) + "\nLimite2=2\n"_ba,
         {L[1], 2, L[3]}, R},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SettingsGuard settings(c.settings);
        ExeFolder folder;
        folder.writeConfig(c.file);
        CalculationState state;

        EXPECT_EQ(QStringList(), folder.load(state));

        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(c.limits[i], state.LimitiScaglioni[i]) << "Limite" << i;
            EXPECT_EQ(c.rates[i], state.Aliquote[i]) << "Aliquota" << i;
        }
    }
}

// Windows lets only privileged users make symbolic links, and Wine none at all.
bool symbolicLinksCanBeMade()
{
    namespace fs = std::filesystem;
    const ExeFolder probe;
    std::error_code failed;
    fs::create_symlink(fs::path((probe.path() + u"target"_s).toStdString()),
                       fs::path((probe.path() + u"link"_s).toStdString()), failed);
    return !failed;
}

TEST(Configuration, OnlyAFileOrALinkToOneIsRead)
{
    namespace fs = std::filesystem;
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
        {"dangling link",
         [](const ExeFolder& f) {
             fs::create_symlink(fs::path((f.path() + u"gone.ini"_s).toStdString()), f.configPath().toStdString());
         },
         false, true},
        {"link to a file",
         [](const ExeFolder& f) {
             QFile target(f.path() + u"real.ini"_s);
             ASSERT_TRUE(target.open(QIODevice::WriteOnly));
             target.write("[Scaglioni]\nLimite1=30000\n");
             target.close();
             fs::create_symlink(fs::path(target.fileName().toStdString()), f.configPath().toStdString());
         },
         true, true},
    };
    SettingsGuard italian(Italian);
    const bool links = symbolicLinksCanBeMade();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.link && !links) {
            std::cout << "[ NO LINKS ] " << c.name << ": this system makes no symbolic links for this user\n";
            continue;
        }
        ExeFolder folder;
        c.make(folder);
        CalculationState state;

        const QStringList messages = folder.load(state);

        EXPECT_EQ(c.found ? QStringList() : QStringList{NotFound}, messages);
        EXPECT_EQ(c.found ? BracketValues(30000, 50000, 10000000) : BuiltInLimits, state.LimitiScaglioni);
        EXPECT_EQ(BuiltInRates, state.Aliquote);
    }
}

TEST(Configuration, UnreadableFileGivesDefaultsSilently)
{
    ExeFolder folder;
    folder.writeConfig("[Scaglioni]\nLimite1=30000\n"_ba);
    QFile::setPermissions(folder.configPath(), QFileDevice::WriteOwner);
    if (QFile file(folder.configPath()); file.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "this user can read a file without read permission";

    CalculationState state;
    EXPECT_EQ(QStringList(), folder.load(state));
    EXPECT_EQ(BuiltInLimits, state.LimitiScaglioni);
    EXPECT_EQ(BuiltInRates, state.Aliquote);
}

TEST(Configuration, ConfiguredTableHoldsUntilTheFirstProgressiveRun)
{
    SettingsGuard italian(Italian);
    ExeFolder folder;
    folder.writeConfig("[Scaglioni]\nLimite2=20000\n"_ba);
    TestWindow w;
    ASSERT_EQ(QStringList(), folder.load(w.state));
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
