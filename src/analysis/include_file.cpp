#include "analysis/include_file.h"

#include "base/disk_file.h"
#include "base/text_codec.h"

IncludeFile IncludeFile::read(const QString &path) {
    IncludeFile result;
    DiskFile::ReadResult file = DiskFile::read(path, kMaxBytes);
    switch (file.status) {
    case DiskFile::ReadResult::Status::Missing:
        break;
    case DiskFile::ReadResult::Status::Unreadable:
        result.status = Status::Unreadable;
        result.error = file.error;
        break;
    case DiskFile::ReadResult::Status::Read:
        result.status = Status::Read;
        result.text = TextCodec::decodeWindows1252(file.bytes);
        break;
    }
    return result;
}

QString IncludeFile::clean(QString text) {
    // One pass in place: dropping NULs first means a 0x0E, NUL, blank, ")" run still counts
    // as the three-character sequence.
    QChar *out = text.data();
    const QChar *in = out;
    const QChar *end = in + text.size();
    QChar *begin = out;
    for (; in != end; ++in) {
        const char16_t c = in->unicode();
        if (c == 0)
            continue;
        if (c == 0xA9) {
            *out++ = u'\r';
        } else if (c == u')' && out - begin >= 2 && out[-1] == u' ' && out[-2] == QChar(0x0E)) {
            out -= 2;
            *out++ = u'\r';
        } else {
            *out++ = *in;
        }
    }
    text.truncate(out - begin);
    return text;
}
