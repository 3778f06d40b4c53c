#include "app/recent_files.h"

#include "app/settings_file.h"

bool RecentFileList::add(std::array<QString, 4> &recentFiles, const QString &path) {
    if (!canStoreSettingText(path))
        return false; // tamro.ini could not give it back
    if (path == recentFiles[1])
        return false;
    recentFiles[3] = recentFiles[2];
    recentFiles[2] = recentFiles[1];
    recentFiles[1] = path;
    return true;
}
