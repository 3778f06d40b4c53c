#pragma once

#include "analysis/completion_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>

// How the editor hands a completion list to its autocompletion and what it shows for the entry
// the user chose.
namespace CompletionListFormat {

// Between entries, and between an entry's name and its icon number.
constexpr char EntrySeparator = '\n';
constexpr char IconSeparator = '\t';

// The list as the autocompletion takes it: "name<IconSeparator>icon" entries joined by
// EntrySeparator, in UTF-8. Separator characters inside a name become blanks; an empty name
// is left out, and of several entries with the same name only the first is kept.
QByteArray itemList(const QList<CompletionEntry> &entries);

// The first entry called `name` exactly, or null.
const CompletionEntry *findEntry(const QList<CompletionEntry> &entries, const QString &name);

// True when `word` is, ignoring case, the name of the one entry whose name starts with it:
// the list then has nothing left to offer.
bool isOnlyEntry(const QList<CompletionEntry> &entries, const QString &word);

// The call tip for a chosen entry: its name and parameter text, and the description on a
// second line; empty when the entry has neither parameter text nor description.
QString callTip(const CompletionEntry &entry);

// True for the characters of an OPL name: letters, digits, "_" and the type suffixes.
bool isNameCharacter(QChar c);

// The length of the partial name that ends `textBeforeCaret`.
int partialNameLength(const QString &textBeforeCaret);

} // namespace CompletionListFormat
