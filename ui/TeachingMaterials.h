#pragma once

#include <QString>

#include <functional>

class QListWidget;
class QUrl;

namespace vareldo {

// exeFolder (ending with a separator) followed by "FAQ_DIDATTICHE" and the native separator.
QString TeachingFolderPath(const QString& exeFolder);

// VisualizzaFileInListBox: fills list (cleared first) with the names of the files of the
// teaching folder, or shows "La cartella specificata non esiste: " and the path.
// A failure of the listing itself throws std::filesystem::filesystem_error.
void FillTeachingList(const QString& exeFolder, QListWidget& list,
                      const std::function<void(const QString&)>& showMessage);

// Opens folderPath through openUrl, or shows "La cartella non esiste: " and the path.
void OpenFolder(const QString& folderPath, const std::function<void(const QString&)>& showMessage,
                const std::function<void(const QUrl&)>& openUrl);

} // namespace vareldo
