#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// How the command reference viewer finds a command's section: by its heading, the bold
// paragraph that names the command alone. The search never lands on an example or a syntax
// line that merely starts with the name ("PRINT ABS(-2.5)").
namespace ReferenceSearch {

// The index in `headings` (in the reference's order) of the first heading equal to `text`,
// ignoring case and blanks around it; when there is none and `prefixToo`, of the first heading
// that starts with it. -1 when nothing fits or `text` is blank.
qsizetype headingIndex(const QStringList &headings, QStringView text, bool prefixToo = true);

// The word of `line` at `column` (0-based; the caret before or right after a word counts):
// letters, digits and "_", with a type suffix "$", "%" or "&" after them. Empty when none.
QString wordAt(QStringView line, qsizetype column);

} // namespace ReferenceSearch
