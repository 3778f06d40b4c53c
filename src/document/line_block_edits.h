#pragma once

#include "document/text_range.h"

#include <QList>
#include <QString>
#include <QStringList>

// One change of the text: `length` characters at `line` and `column` become `text`.
struct LineEdit {
    int line = 0;
    int column = 0;
    int length = 0;
    QString text;
    bool operator==(const LineEdit &) const = default;
};

// Commenting and uncommenting the lines a selection touches, as edits for the editor to apply
// in order, on one undo step. Both touch every line from the selection's first to its last,
// the last included even when the selection ends at its column 0.
namespace LineBlockEdits {

// The OPL remark keyword with its blank, as the commands put it in and take it out.
inline constexpr QLatin1String RemarkKeyword{"REM "};

// "REM " at column 0 of each touched line, in front of any leading blanks and of a keyword
// already there.
QList<LineEdit> comment(const TextRange &selection);

// Each touched line replaced by itself without a leading "REM " (case-sensitive, at column 0
// only, the first one of two). Unchanged lines are replaced too, so the text counts as
// edited. `touchedLines` holds the lines from the selection's first line on.
QList<LineEdit> uncomment(const TextRange &selection, const QStringList &touchedLines);

// The selection's first and last line, whichever way round it was made.
int firstLine(const TextRange &selection);
int lastLine(const TextRange &selection);

} // namespace LineBlockEdits
