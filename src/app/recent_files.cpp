#include "app/recent_files.h"

#include "base/settings_file.h"

bool RecentFileList::add(std::array<QString, 4> &recentFiles, const QString &path) {
    if (!canStoreSettingText(path))
        return false; // tamro.ini could not give it back
    if (path == recentFiles[1])
        return false;
    // The slot that empties: the path's own when listed, so no path shows twice; else the last.
    const int freed = recentFiles[2] == path ? 2 : 3;
    for (int i = freed; i > 1; --i)
        recentFiles[i] = recentFiles[i - 1];
    recentFiles[1] = path;
    return true;
}
