#pragma once

#include "document/search_options.h"

#include <QString>

class QsciScintillaBase;

// Plain-text search and replace in the editor, shared by the find dialog and Find Next.
namespace EditorSearch {

inline const QString FindTitle = QStringLiteral("Find");
inline const QString ReplaceTitle = QStringLiteral("Replace");

// Selects the next match after the selection (before it when searching backwards), going on
// from the other end of the text when `wrap` is set. False when there is none.
bool findNext(QsciScintillaBase &editor, const SearchOptions &options);

// Replaces the selection when it is a match, then selects the next match. False when no
// further match is left.
bool replaceNext(QsciScintillaBase &editor, const SearchOptions &options);

// Replaces every match in the whole text as one undoable change; the number replaced.
int replaceAll(QsciScintillaBase &editor, const SearchOptions &options);

QString notFoundMessage(const QString &text);
QString replacedMessage(int count);

} // namespace EditorSearch
