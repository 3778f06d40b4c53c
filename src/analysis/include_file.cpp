#include "analysis/include_file.h"

#include "document/text_codec.h"

#include <QFile>
#include <QFileInfo>

IncludeFile IncludeFile::read(const QString &path) {
    IncludeFile result;
    if (!QFileInfo(path).isFile())
        return result;
    result.status = Status::Unreadable;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const qint64 size = file.size();
    if (size > kMaxBytes) {
        result.error = QStringLiteral("The file is larger than %1 MB.").arg(kMaxBytes >> 20);
        return result;
    }
    const QByteArray bytes = file.read(size);
    if (bytes.size() < size && file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    result.status = Status::Read;
    result.text = TextCodec::decodeWindows1252(bytes);
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
