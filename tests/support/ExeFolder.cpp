#include "tests/support/ExeFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <filesystem>

namespace vareldo::testing {

namespace fs = std::filesystem;

namespace {

fs::path fsPath(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

} // namespace

ExeFolder::ExeFolder()
{
    EXPECT_TRUE(dir_.isValid());
}

void ExeFolder::write(const QString& relativePath, const QByteArray& contents) const
{
    const QString full = path() + relativePath;
    QDir().mkpath(full.section(u'/', 0, -2));
    WriteFile(full, contents);
}

void ExeFolder::writeUsualFiles() const
{
    write(QStringLiteral("FAQ_DIDATTICHE/scaglioni.txt"), "x");
    writeConfig("[Scaglioni]\nLimite1=28000\nLimite2=50000\nLimite3=10000000\n"
                "[Aliquote]\nAliquota1=0.23\nAliquota2=0.35\nAliquota3=0.43\n");
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(bytes.size(), file.write(bytes)) << path.toStdString();
}

void MakeSymbolicLink(const QString& target, const QString& path)
{
    std::error_code error;
    fs::create_symlink(fsPath(target), fsPath(path), error);
    ASSERT_FALSE(error) << path.toStdString() << ": " << error.message();
}

bool SymbolicLinksCanBeMade()
{
    const ExeFolder probe;
    std::error_code failed;
    fs::create_symlink(fsPath(probe.path() + QStringLiteral("target")), fsPath(probe.path() + QStringLiteral("link")),
                       failed);
    return !failed;
}

} // namespace vareldo::testing
