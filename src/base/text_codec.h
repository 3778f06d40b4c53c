#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

// How OPL sources are read and written. Files open whatever their line ends (CR LF, LF, CR)
// and encoding (BOM for UTF-8 and UTF-16; otherwise valid UTF-8; otherwise Windows-1252);
// every save writes CR LF, the only line end the OPL translator reads.
namespace TextCodec {

// The editor's save formats.
enum Format { Ascii = 16, Utf8 = 32, Unicode = 64 };

// Windows-1252, one byte per character. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to U+0081 ... so that every byte round-trips.
QString decodeWindows1252(const QByteArray &bytes);

// The same into `out`, which has room for one character per byte; returns the end.
QChar *decodeWindows1252(QByteArrayView bytes, QChar *out);

// The Windows-1252 byte for `c`, or nothing when the code page cannot hold it.
std::optional<char> windows1252Byte(QChar c);

// Decodes a file's bytes as described above. Line ends are left as they are.
QString decodeText(const QByteArray &bytes);

// Converts every line end (CR LF, LF or CR) to CR LF.
QString toCrLf(const QString &text);

// Calls `visit` with each line of `text`, split at CR LF, LF or CR. A final line end leaves
// an empty last line; an empty text is one empty line.
template <typename Visit> void forEachLine(QStringView text, Visit visit) {
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        visit(text.sliced(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    visit(text.sliced(start));
}

// The lines of `text`, split as forEachLine splits them.
QStringList splitLines(const QString &text);

struct EncodeResult {
    QByteArray bytes;
    bool ok = true;
    int line = 0;      // 1-based line of the first character that cannot be written
    QString character; // that character (a surrogate pair stays whole)
    QString errorMessage;
};

// Encodes `text` for saving in `format` with CR LF line ends: Ascii = Windows-1252 bytes,
// Utf8 = UTF-8 with BOM, Unicode = UTF-16LE with BOM. Ascii refuses characters outside
// Windows-1252 with a message naming the line and the character.
EncodeResult encodeText(const QString &text, Format format);

} // namespace TextCodec
