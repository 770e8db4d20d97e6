#include "config/Configuration.h"
#include "core/CalculationState.h"
#include "tests/hostile/PosixFixtures.h"
#include "tests/text/SettingsGuard.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QStringList>
#include <QTemporaryDir>

#include <filesystem>
#include <functional>
#include <random>
#include <string>

namespace vareldo::testing {
namespace {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

const QString NotFound =
    u"File di configurazione \"config.ini\" non trovato. Verranno usati i valori predefiniti."_s;

// What a reading left behind, as one line that a failure can show.
QString outcome(const QStringList& messages, const CalculationState& state)
{
    QStringList values;
    for (int i = 1; i <= 3; ++i)
        values << QString::number(state.LimitiScaglioni[i], 'g', 17);
    for (int i = 1; i <= 3; ++i)
        values << QString::number(state.Aliquote[i], 'g', 17);
    return u"messages ["_s + messages.join(u" | "_s) + u"] table "_s + values.join(u' ');
}

QString outcome(const QStringList& messages, const BracketValues& limits, const BracketValues& rates)
{
    CalculationState state;
    state.LimitiScaglioni = limits;
    state.Aliquote = rates;
    return outcome(messages, state);
}

// Reads config.ini beside a pretend executable into a newly created window's state.
QString load(const QString& exeFolder)
{
    CalculationState state;
    QStringList messages;
    CaricaConfigurazione(exeFolder, state, [&](const QString& text) { messages << text; });
    return outcome(messages, state);
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(bytes.size(), file.write(bytes));
}

void link(const QString& target, const QString& path)
{
    std::error_code error;
    fs::create_symlink(fs::path(QFile::encodeName(target).toStdString()), fs::path(QFile::encodeName(path).toStdString()),
                       error);
    ASSERT_FALSE(error) << error.message();
}

QByteArray utf16(QStringConverter::Encoding encoding, const QString& text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
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

TEST(HostileConfiguration, EachFileGivesItsTableAndItsMessages)
{
    const BracketValues L = BuiltInLimits;
    const BracketValues R = BuiltInRates;
    const BracketValues readLimits{15000, 28000, 50000};
    const BracketValues readRates{0.2, 0.3, 0.4};
    struct Case {
        const char* name;
        std::function<void(const QString& configPath)> make;
        QString expected;
    };
    const Case cases[] = {
        {"one line of ten megabytes", [](const QString& p) { write(p, tenMegabyteLine()); }, outcome({}, L, R)},
        {"a megabyte of random bytes", [](const QString& p) { write(p, randomBytes(1 << 20)); }, outcome({}, L, R)},
        {"random bytes, then a line break and a key",
         [](const QString& p) { write(p, randomBytes(1 << 20) + "\n[Scaglioni]\nLimite1=30000\n"); },
         outcome({}, {30000, L[2], L[3]}, R)},
        {"UTF-16 LE with a byte-order mark",
         [](const QString& p) { write(p, utf16(QStringConverter::Utf16LE, FullTable)); },
         outcome({}, readLimits, readRates)},
        {"UTF-16 BE with a byte-order mark",
         [](const QString& p) { write(p, utf16(QStringConverter::Utf16BE, FullTable)); },
         outcome({}, readLimits, readRates)},
        {"UTF-16 LE without a byte-order mark reads as UTF-8 and finds nothing",
         [](const QString& p) {
             QStringEncoder encoder(QStringConverter::Utf16LE);
             write(p, encoder(FullTable));
         },
         outcome({}, L, R)},
        {"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); }, outcome({NotFound}, L, R)},
        {"a dangling link", [](const QString& p) { link(p + u".gone"_s, p); }, outcome({NotFound}, L, R)},
        {"a link loop",
         [](const QString& p) {
             link(p + u".loop"_s, p);
             link(p, p + u".loop"_s);
         },
         outcome({NotFound}, L, R)},
        {"a link to a device that never ends", [](const QString& p) { link(u"/dev/zero"_s, p); },
         outcome({NotFound}, L, R)},
        {"a named pipe that no one writes", [](const QString& p) { ASSERT_TRUE(MakeNamedPipe(p)); },
         outcome({NotFound}, L, R)},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString exeFolder = dir.path() + u'/';
        c.make(exeFolder + u"config.ini"_s);

        EXPECT_EQ(c.expected.toStdString(), load(exeFolder).toStdString());
    }
}

TEST(HostileConfiguration, UnreadableFileGivesDefaultsSilently)
{
    SettingsGuard italian(Italian);
    QTemporaryDir dir;
    // The user who reads the file may enter the folder, but not read the file.
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner
                                          | QFileDevice::ReadOther | QFileDevice::ExeOther);
    const QString exeFolder = dir.path() + u'/';
    write(exeFolder + u"config.ini"_s, "[Scaglioni]\nLimite1=30000\n");
    ASSERT_TRUE(QFile::setPermissions(exeFolder + u"config.ini"_s, {}));

    const auto readAsPupil = [&] {
        if (QFile file(exeFolder + u"config.ini"_s); file.open(QIODevice::ReadOnly))
            return u"(readable)"_s;
        return load(exeFolder);
    };
    QString problem;
    const std::optional<QString> got = RunWithoutPrivileges(readAsPupil, problem);
    if (!got)
        GTEST_SKIP() << "NOT TESTED: an unreadable config.ini, because " << problem.toStdString();
    if (*got == u"(readable)"_s)
        GTEST_SKIP() << "NOT TESTED: an unreadable config.ini, because this user reads a file of mode 000 "
                        "and cannot run as another user";
    EXPECT_EQ(outcome({}, BuiltInLimits, BuiltInRates).toStdString(), got->toStdString());
}

} // namespace
} // namespace vareldo::testing
