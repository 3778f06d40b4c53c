#pragma once

#include <QString>
#include <array>

// The three most recently used files, index 1 the most recent; index 0 is never used and an
// empty string marks a free slot.
namespace RecentFileList {

// Puts `path` in front and shifts the others down one slot, the third falling off. Only the
// first slot is compared (case-sensitively): a path already there changes nothing, while a
// path from slot 2 moves to the front and still shows in slot 3. A path the settings file
// cannot store (one holding a double quote) is not taken. True when the list changed.
bool add(std::array<QString, 4> &recentFiles, const QString &path);

} // namespace RecentFileList
