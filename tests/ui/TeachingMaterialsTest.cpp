#include "ui/TeachingMaterials.h"

#include "tests/support/WindowHarness.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QListWidget>
#include <QScopeGuard>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <type_traits>
#include <vector>

namespace vareldo::testing {
namespace {

namespace fs = std::filesystem;

QStringList items(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

void writeFile(const QString& path)
{
    WriteFile(path, "x");
}

// A file name as the platform's own walk gives it: bytes on POSIX, UTF-16 on Windows.
template <class Native>
QString decodedName(const Native& name)
{
    if constexpr (std::is_same_v<Native, std::string>)
        return QFile::decodeName(QByteArray::fromStdString(name));
    else
        return QString::fromStdWString(name);
}

// The file names in the order the platform yields them, unsorted; an independent walk, which
// unlike Qt's own keeps names that are not UTF-8.
QStringList enumerationOrder(const QString& folder)
{
    QStringList order;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(QFile::encodeName(folder).toStdString()))) {
        std::error_code ignored;
        if (!entry.is_directory(ignored))
            order << decodedName(entry.path().filename().native());
    }
    return order;
}

// The folder beside a pretend executable, built fresh by each test.
class TeachingFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        exeFolder = root.path() + QDir::separator();
        folder = TeachingFolderPath(exeFolder);
    }

    void makeFolder() { ASSERT_TRUE(QDir().mkpath(folder)); }

    // Fills a list that already holds an entry, collecting the messages shown.
    QStringList fill()
    {
        list.clear();
        list.addItem(QStringLiteral("entry from before"));
        QStringList messages;
        FillTeachingList(exeFolder, list, [&](const QString& text) { messages << text; });
        return messages;
    }

    QTemporaryDir root;
    QString exeFolder;
    QString folder;
    QListWidget list;
};

TEST_F(TeachingFolder, PathIsBesideTheExecutableWithATrailingSeparator)
{
    const QString sep = QDir::separator();
    EXPECT_EQ(QStringLiteral("base") + sep + QStringLiteral("FAQ_DIDATTICHE") + sep,
              TeachingFolderPath(QStringLiteral("base") + sep));
    if (sep == u'/') {
        EXPECT_EQ(QStringLiteral("/home/scuola/FAQ_DIDATTICHE/"), TeachingFolderPath("/home/scuola/"));
    }
}

TEST_F(TeachingFolder, ListsFilesOnlyInThePlatformOrder)
{
    makeFolder();
    writeFile(folder + "a.pdf");
    writeFile(folder + ".notes.txt");
    writeFile(folder + "LEGGIMI");
    writeFile(folder + "Esercizi IRPEF 2024.docx");
    ASSERT_TRUE(QDir(folder).mkdir("extra"));
    writeFile(folder + "extra/inside.pdf");
    ASSERT_TRUE(QDir(folder).mkdir("vuota"));

    const QStringList messages = fill();

    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    const QStringList names{"a.pdf", ".notes.txt", "LEGGIMI", "Esercizi IRPEF 2024.docx"};
    const QStringList got = items(list);
    QStringList sortedGot = got;
    QStringList sortedNames = names;
    sortedGot.sort();
    sortedNames.sort();
    EXPECT_EQ(sortedNames, sortedGot) << "got: " << got.join(u'|').toStdString();
    EXPECT_EQ(enumerationOrder(folder), got) << "the entries keep the platform's order";
}

TEST_F(TeachingFolder, EmptyFolderGivesAnEmptyListAndNoMessage)
{
    makeFolder();
    const QStringList messages = fill();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    EXPECT_EQ(QStringList(), items(list));
}

TEST_F(TeachingFolder, FolderCountsWhenItIsAFolderFollowingLinks)
{
    struct Case {
        const char* name;
        void (*make)(const QString& folder, const QString& spare);
        bool exists;
    };
    const Case cases[] = {
        {"a folder", [](const QString& f, const QString&) { QDir().mkpath(f); }, true},
        {"a link to a folder",
         [](const QString& f, const QString& spare) {
             QDir().mkpath(spare);
             QFile::link(spare, f.chopped(1));
         },
         true},
        {"a plain file", [](const QString& f, const QString&) { writeFile(f.chopped(1)); }, false},
        {"a dangling link",
         [](const QString& f, const QString& spare) { QFile::link(spare + "gone", f.chopped(1)); }, false},
        {"nothing", [](const QString&, const QString&) {}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir caseRoot;
        exeFolder = caseRoot.path() + QDir::separator();
        folder = TeachingFolderPath(exeFolder);
        c.make(folder, caseRoot.path() + "/spare/");

        const QStringList messages = fill();

        if (c.exists) {
            EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
            EXPECT_EQ(QStringList(), items(list));
        } else {
            EXPECT_EQ(QStringList{QStringLiteral("La cartella specificata non esiste: ") + folder}, messages);
            EXPECT_TRUE(messages.value(0).endsWith(QStringLiteral("FAQ_DIDATTICHE") + QDir::separator()));
            EXPECT_EQ(QStringList{"entry from before"}, items(list)) << "the list is left as it was";
        }
    }
}

TEST_F(TeachingFolder, LinksAreListedAsFilesUnlessTheyLeadToAFolder)
{
    makeFolder();
    writeFile(folder + "target.pdf");
    ASSERT_TRUE(QFile::link(folder + "target.pdf", folder + "link to file.pdf"));
    ASSERT_TRUE(QFile::link(folder + "no such file", folder + "dangling.pdf"));
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    ASSERT_TRUE(QFile::link(folder + "sub", folder + "link to folder"));

    const QStringList messages = fill();

    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    QStringList got = items(list);
    got.sort();
    EXPECT_EQ((QStringList{"dangling.pdf", "link to file.pdf", "target.pdf"}), got);
    EXPECT_EQ(enumerationOrder(folder), items(list)) << "the entries keep the platform's order";
}

TEST_F(TeachingFolder, OpenFolderOpensAnExistingFolderAndReportsAMissingOne)
{
    makeFolder();
    writeFile(folder + "a.pdf");
    ASSERT_TRUE(fill().isEmpty());

    std::vector<QUrl> opened;
    QStringList messages;
    const auto show = [&](const QString& text) { messages << text; };
    const auto open = [&](const QUrl& url) { opened.push_back(url); };

    OpenFolder(folder, show, open);
    ASSERT_EQ(1u, opened.size());
    EXPECT_EQ(QUrl::fromLocalFile(folder), opened.front()) << opened.front().toString().toStdString();
    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();

    ASSERT_TRUE(QDir(folder).removeRecursively());
    OpenFolder(folder, show, open);
    EXPECT_EQ(1u, opened.size()) << "a missing folder is not opened";
    EXPECT_EQ(QStringList{QStringLiteral("La cartella non esiste: ") + folder}, messages);
    EXPECT_EQ(QStringList{"a.pdf"}, items(list)) << "the list keeps its entries";
}

// A file named by raw bytes, which need not be valid UTF-8.
void writeRaw(const QString& folder, const QByteArray& name)
{
    const fs::path path(QFile::encodeName(folder).toStdString() + name.toStdString());
    std::ofstream(path) << "x";
    ASSERT_TRUE(fs::exists(path)) << "could not make " << name.toStdString();
}

QStringList sorted(QStringList names)
{
    names.sort();
    return names;
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

// Through the real window: the start-up goes on after the listing, and a selection opens the folder.
TEST(TeachingFolderOnTheWindow, EveryFileIsListedOnceInTheFoldersOrderAndSelectingOneOpensIt)
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
#ifndef _WIN32
        // Names that only POSIX systems allow.
        {"a name holding a newline", [](const QString& folder) { writeRaw(folder, "riga\nnuova.txt"); },
         {u"riga\nnuova.txt"_s}},
        {"names holding bytes that are not UTF-8",
         [](const QString& folder) {
             writeRaw(folder, "\xff\xfe.txt");
             writeRaw(folder, "caf\xe9.txt");
         },
         {replacement + replacement + u".txt"_s, u"caf"_s + replacement + u".txt"_s}},
        // The longest names POSIX file systems hold, in bytes.
        {"names of 255 bytes",
         [&](const QString& folder) {
             writeRaw(folder, longAscii.toUtf8());
             writeRaw(folder, longAccented.toUtf8());
         },
         {longAscii, longAccented}},
#endif
    };
    SettingsGuard italian(Italian);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ExeFolder exe;
        exe.writeConfig("[Scaglioni]\nLimite1=28000\n");
        const QString folder = TeachingFolderPath(exe.path());
        ASSERT_TRUE(QDir().mkpath(folder));
        const RemovedByBytes removal{folder};
        c.make(folder);
        Sent sent;

        const T_PRINCIPALE window(RecordingContext(exe.path(), sent));

        EXPECT_TRUE(sent.messages.isEmpty()) << joinedForLog(sent.messages);
        auto& list = NamedChild<QListWidget>(window, u"ListBox1"_s);
        const QStringList got = items(list);
        EXPECT_EQ(c.listed.size(), got.size());
        EXPECT_TRUE(sorted(c.listed) == sorted(got)) << "expected:" << joinedForLog(sorted(c.listed).mid(0, 5))
                                                     << "\ngot:" << joinedForLog(sorted(got).mid(0, 5));
        EXPECT_TRUE(enumerationOrder(folder) == got) << "the entries keep the order of the folder";
        // A listing that failed would have ended the start-up before these.
        EXPECT_EQ(12, NamedChild<QComboBox>(window, u"ComboBoxReddito"_s).count());
        EXPECT_EQ("1000", str(NamedChild<QLineEdit>(window, u"EditContributiPre"_s).text()));

        list.setCurrentRow(list.count() - 1);
        EXPECT_EQ(QList<QUrl>{QUrl::fromLocalFile(folder)}, sent.opened);
        EXPECT_TRUE(sent.messages.isEmpty() && sent.errors.isEmpty())
            << joinedForLog(sent.messages) << joinedForLog(sent.errors);
    }
}

} // namespace
} // namespace vareldo::testing
