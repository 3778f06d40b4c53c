#pragma once

#include <QStringView>

// How the command reference viewer recognises the section of a command: its heading is a
// paragraph whose first word is the command's name, so "GET" finds the section of GET and
// neither GET$ nor a description that merely mentions GET.
namespace ReferenceSearch {

// Where `name` starts in `paragraph` when the paragraph's first word is `name` (ignoring
// case and leading blanks; a word ends at a blank or an opening parenthesis); -1 otherwise.
qsizetype headingPosition(QStringView paragraph, QStringView name);

} // namespace ReferenceSearch
