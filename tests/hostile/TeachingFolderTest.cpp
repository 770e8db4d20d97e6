#include "tests/hostile/ScreenSnapshot.h"
#include "ui/TeachingMaterials.h"

#include <QListWidget>

#include <filesystem>
#include <fstream>
#include <functional>
#include <system_error>

namespace vareldo::testing {
namespace {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

// A file named by raw bytes, which need not be valid UTF-8.
void writeRaw(const QString& folder, const QByteArray& name)
{
    const fs::path path(QFile::encodeName(folder).toStdString() + name.toStdString());
    std::ofstream(path) << "x";
    ASSERT_TRUE(fs::exists(path)) << "could not make " << name.toStdString();
}

void linkTo(const QString& target, const QString& path)
{
    std::error_code error;
    fs::create_symlink(QFile::encodeName(target).toStdString(), QFile::encodeName(path).toStdString(), error);
    ASSERT_FALSE(error) << error.message();
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
}

QStringList entries(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

// The names in the order the platform yields them; Qt's own walk skips names that are not UTF-8.
QStringList enumerationOrder(const QString& folder)
{
    QStringList order;
    for (const fs::directory_entry& entry : fs::directory_iterator(QFile::encodeName(folder).toStdString())) {
        std::error_code ignored;
        if (!entry.is_directory(ignored))
            order << QFile::decodeName(QByteArray::fromStdString(entry.path().filename().native()));
    }
    return order;
}

QStringList numberedDocuments(int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << u"documento_%1.txt"_s.arg(i, 5, 10, QLatin1Char('0'));
    return names;
}

// Qt cannot name a file whose name is not UTF-8 to remove it with the temporary folder.
struct RemovedByBytes {
    QString folder;
    ~RemovedByBytes()
    {
        std::error_code ignored;
        fs::remove_all(QFile::encodeName(folder).toStdString(), ignored);
    }
};

TEST(HostileTeachingFolder, EveryFileIsListedOnceAndSelectingOneOpensTheFolder)
{
    const QString longAscii = QString(251, u'a') + u".txt"_s;                  // 255 bytes
    const QString longAccented = QString(125, u'\u00E8') + u"a.txt"_s;         // 255 bytes in UTF-8
    const QString replacement = QString(QChar::ReplacementCharacter);
    struct Case {
        const char* name;
        std::function<void(const QString& folder)> make;
        QStringList listed;
    };
    const Case cases[] = {
        {"ten thousand files",
         [](const QString& folder) {
             for (const QString& name : numberedDocuments(10000))
                 writeRaw(folder, QFile::encodeName(name));
         },
         numberedDocuments(10000)},
        {"a name holding a newline", [](const QString& folder) { writeRaw(folder, "riga\nnuova.txt"); },
         {u"riga\nnuova.txt"_s}},
        {"names holding bytes that are not UTF-8",
         [](const QString& folder) {
             writeRaw(folder, "\xff\xfe.txt");
             writeRaw(folder, "caf\xe9.txt");
         },
         {replacement + replacement + u".txt"_s, u"caf"_s + replacement + u".txt"_s}},
        {"names of 255 bytes",
         [&](const QString& folder) {
             writeRaw(folder, longAscii.toUtf8());
             writeRaw(folder, longAccented.toUtf8());
         },
         {longAscii, longAccented}},
        {"a dangling link", [](const QString& folder) { linkTo(folder + u"nowhere.pdf"_s, folder + u"rotto.pdf"_s); },
         {u"rotto.pdf"_s}},
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExeFolder exe;
        exe.write(u"config.ini"_s, "[Scaglioni]\nLimite1=28000\n");
        const QString folder = TeachingFolderPath(exe.path());
        ASSERT_TRUE(QDir().mkpath(folder));
        const RemovedByBytes removal{folder};
        c.make(folder);
        Sent sent;

        const T_PRINCIPALE window(RecordingContext(exe.path(), sent));

        EXPECT_TRUE(sent.messages.isEmpty()) << joinedForLog(sent.messages);
        auto& list = *window.findChild<QListWidget*>(u"ListBox1"_s);
        const QStringList got = entries(list);
        EXPECT_EQ(c.listed.size(), got.size());
        EXPECT_TRUE(sorted(c.listed) == sorted(got)) << "expected:" << joinedForLog(sorted(c.listed).mid(0, 5))
                                                     << "\ngot:" << joinedForLog(sorted(got).mid(0, 5));
        EXPECT_TRUE(enumerationOrder(folder) == got) << "the entries keep the order of the folder";
        // A listing that failed would have ended the start-up before these.
        EXPECT_EQ(12, window.findChild<QComboBox*>(u"ComboBoxReddito"_s)->count());
        EXPECT_EQ("1000", str(window.findChild<QLineEdit*>(u"EditContributiPre"_s)->text()));

        list.setCurrentRow(list.count() - 1);
        EXPECT_EQ(QList<QUrl>{QUrl::fromLocalFile(folder)}, sent.opened);
        EXPECT_TRUE(sent.messages.isEmpty() && sent.errors.isEmpty())
            << joinedForLog(sent.messages) << joinedForLog(sent.errors);
    }
}

} // namespace
} // namespace vareldo::testing
