#pragma once

#include <QString>
#include <optional>

// The program's user-visible texts, entries 1000 to 1103, looked up by number.
namespace StringTable {

// The text of entry `number`, or nothing when the table has no such entry.
std::optional<QString> find(int number);

// The text of entry `number`; an empty string when the table has no such entry.
QString text(int number);

} // namespace StringTable
