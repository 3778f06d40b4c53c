#pragma once

#include <QByteArrayView>

// The editor keeps its text as UTF-8 and addresses it in bytes, while the rest of the program
// counts columns as QString does (UTF-16 code units: one per character, two for a character
// beyond U+FFFF). These convert between the two within one line.
namespace Utf8Columns {

// The number of columns that `utf8` spans.
int columnCount(QByteArrayView utf8);

// The byte offset of `column` in the line `utf8`. A column past the end gives the line's
// length; a column inside a character that takes two columns gives that character's start.
qsizetype byteOffset(QByteArrayView utf8, int column);

} // namespace Utf8Columns
