#pragma once

#include <QString>
#include <array>

// The three most recently used files, index 1 the most recent; index 0 is never used and an
// empty string marks a free slot.
namespace RecentFileList {

// Puts `path` in front and shifts the others down one slot. A path already listed (compared
// case-sensitively) moves to the front from its slot; otherwise the third falls off. A path the
// settings file cannot store (one holding a double quote) is not taken. True when the list
// changed.
bool add(std::array<QString, 4> &recentFiles, const QString &path);

} // namespace RecentFileList
