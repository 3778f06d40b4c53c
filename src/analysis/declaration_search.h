#pragma once

#include <QStringList>
#include <QStringView>

// Where the navigator's "Go To" lands: the first line from the top that declares a name.
namespace DeclarationSearch {

// The first line that holds `keyword` ("CONST", "GLOBAL", "PROC") and, at or after it,
// `name`, both ignoring case. The name may sit inside a longer word: a line "GLOBAL data%"
// is found for "a%" when it comes first. -1 when no line qualifies.
int declarationLine(const QStringList &lines, QStringView name, QStringView keyword);

// The first line that equals `label` exactly once every blank and tab is removed, so an
// indented "  loop::" is found and "loop:: REM again" is not. -1 when there is none.
int labelLine(const QStringList &lines, QStringView label);

} // namespace DeclarationSearch
