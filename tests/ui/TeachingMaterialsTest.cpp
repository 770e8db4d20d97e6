#include "ui/TeachingMaterials.h"

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

namespace {

using vareldo::FillTeachingList;
using vareldo::OpenFolder;
using vareldo::TeachingFolderPath;

QStringList items(const QListWidget& list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

void writeFile(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write("x");
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

    // The file names as an independent walk of the folder yields them, unsorted.
    QStringList enumerationOrder() const
    {
        QStringList order;
        QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
        while (it.hasNext()) {
            it.next();
            order << it.fileName();
        }
        return order;
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
    EXPECT_EQ(enumerationOrder(), got) << "the entries keep the platform's order";
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

TEST_F(TeachingFolder, LinksAndOddNamesAreListedWithoutFailing)
{
    makeFolder();
    writeFile(folder + "target.pdf");
    ASSERT_TRUE(QFile::link(folder + "target.pdf", folder + "link to file.pdf"));
    ASSERT_TRUE(QFile::link(folder + "no such file", folder + "dangling.pdf"));
    ASSERT_TRUE(QDir(folder).mkdir("sub"));
    ASSERT_TRUE(QFile::link(folder + "sub", folder + "link to folder"));
    writeFile(folder + "riga\nnuova.txt");
    namespace fs = std::filesystem;
    const bool bytePaths = std::is_same_v<fs::path::value_type, char>;
    const fs::path raw(QFile::encodeName(folder).toStdString() + "\xff\xfe.txt");
    // Qt cannot name this file to remove it with the temporary folder.
    const auto removeRaw = qScopeGuard([&] {
        std::error_code ignored;
        fs::remove(raw, ignored);
    });
    if (bytePaths) {
        std::ofstream(raw) << "x";
        ASSERT_TRUE(fs::exists(raw));
    }

    const QStringList messages = fill();

    EXPECT_TRUE(messages.isEmpty()) << messages.join(u'|').toStdString();
    QStringList got = items(list);
    got.sort();
    QStringList expected{"dangling.pdf", "link to file.pdf", "riga\nnuova.txt", "target.pdf"};
    ASSERT_EQ(expected.size() + (bytePaths ? 1 : 0), got.size()) << got.join(u'|').toStdString();
    for (const QString& name : expected)
        EXPECT_TRUE(got.contains(name)) << "missing: " << name.toStdString();
    if (bytePaths) {
        const QStringList undecodable = got.filter(QChar(QChar::ReplacementCharacter));
        ASSERT_EQ(1, undecodable.size()) << got.join(u'|').toStdString();
        EXPECT_TRUE(undecodable.first().endsWith(".txt")) << undecodable.first().toStdString();
    }
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

} // namespace
