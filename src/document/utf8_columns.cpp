#include "document/utf8_columns.h"

namespace Utf8Columns {

namespace {

// Columns a UTF-8 byte starts: continuation bytes none, a four-byte lead two (a surrogate
// pair), every other byte one.
int columnsStartedBy(unsigned char byte) {
    if ((byte & 0xC0) == 0x80)
        return 0;
    return (byte & 0xF8) == 0xF0 ? 2 : 1;
}

} // namespace

int columnCount(QByteArrayView utf8) {
    int columns = 0;
    for (char ch : utf8)
        columns += columnsStartedBy(static_cast<unsigned char>(ch));
    return columns;
}

qsizetype byteOffset(QByteArrayView utf8, int column) {
    int columns = 0;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const int width = columnsStartedBy(static_cast<unsigned char>(utf8[i]));
        if (width == 0)
            continue;
        if (columns + width > column)
            return i;
        columns += width;
    }
    return utf8.size();
}

} // namespace Utf8Columns
