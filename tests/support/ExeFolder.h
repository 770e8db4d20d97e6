#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

namespace vareldo::testing {

// A folder standing in for the executable's, with the files a test puts there.
class ExeFolder {
public:
    ExeFolder();

    QString path() const { return dir_.path() + u'/'; } // ends in a separator, as the program's does
    QString configPath() const { return path() + QStringLiteral("config.ini"); }

    // Writes contents to a file below the folder, making the folders on the way.
    void write(const QString& relativePath, const QByteArray& contents) const;
    void writeConfig(const QByteArray& contents) const { write(QStringLiteral("config.ini"), contents); }

    // The teaching folder with one document and the built-in table in config.ini.
    void writeUsualFiles() const;

private:
    QTemporaryDir dir_;
};

// Writes bytes to the file at path, whole.
void WriteFile(const QString& path, const QByteArray& bytes);

// Makes path a symbolic link to target.
void MakeSymbolicLink(const QString& target, const QString& path);

// Windows lets only privileged users make symbolic links, and Wine none at all.
bool SymbolicLinksCanBeMade();

} // namespace vareldo::testing
