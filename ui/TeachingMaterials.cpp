#include "ui/TeachingMaterials.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QUrl>

#include <filesystem>
#include <string>
#include <system_error>
#include <type_traits>

namespace vareldo {

namespace {

namespace fs = std::filesystem;

// Through the native encoding, so that a name that is not valid UTF-8 never throws.
fs::path toFilesystemPath(const QString& path)
{
    if constexpr (std::is_same_v<fs::path::value_type, wchar_t>)
        return fs::path(path.toStdWString());
    else
        return fs::path(QFile::encodeName(path).toStdString());
}

template <typename Char>
QString fromNative(const std::basic_string<Char>& name)
{
    if constexpr (std::is_same_v<Char, wchar_t>)
        return QString::fromStdWString(name);
    else
        return QFile::decodeName(QByteArray(name.data(), static_cast<qsizetype>(name.size())));
}

QString fileNameOf(const fs::path& path) { return fromNative(path.filename().native()); }

// Follows links; a dangling link is no folder, so it is listed like a file.
bool isFolderEntry(const fs::directory_entry& entry)
{
    std::error_code ignored;
    return entry.is_directory(ignored);
}

bool folderExists(const QString& path) { return QFileInfo(path).isDir(); }

} // namespace

QString TeachingFolderPath(const QString& exeFolder)
{
    return exeFolder + QStringLiteral("FAQ_DIDATTICHE") + QDir::separator();
}

void FillTeachingList(const QString& exeFolder, QListWidget& list,
                      const std::function<void(const QString&)>& showMessage)
{
    const QString directoryPath = TeachingFolderPath(exeFolder);
    if (!folderExists(directoryPath)) {
        showMessage(QStringLiteral("La cartella specificata non esiste: ") + directoryPath);
        return;
    }
    list.clear();
    // The platform's own order: the list shows the entries as the folder yields them.
    for (const fs::directory_entry& entry : fs::directory_iterator(toFilesystemPath(directoryPath))) {
        if (!isFolderEntry(entry))
            list.addItem(fileNameOf(entry.path()));
    }
}

void OpenFolder(const QString& folderPath, const std::function<void(const QString&)>& showMessage,
                const std::function<void(const QUrl&)>& openUrl)
{
    if (folderExists(folderPath))
        openUrl(QUrl::fromLocalFile(folderPath));
    else
        showMessage(QStringLiteral("La cartella non esiste: ") + folderPath);
}

} // namespace vareldo
