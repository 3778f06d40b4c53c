#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <bit>
#include <optional>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Where the first line end (CR or LF) at or after `from` stands in the `n` characters or bytes
// at `data`, or `n` when there is none. Sixteen bytes are compared at a time where the
// processor allows: most of a source is not a line end, and a million-line file is split
// once per scan.
template <typename Char> qsizetype nextLineEnd(const Char *data, qsizetype from, qsizetype n) {
    static_assert(sizeof(Char) == 1 || sizeof(Char) == 2);
    qsizetype i = from;
#if defined(__SSE2__)
    constexpr qsizetype kStep = 16 / qsizetype(sizeof(Char));
    const __m128i lf = sizeof(Char) == 1 ? _mm_set1_epi8('\n') : _mm_set1_epi16('\n');
    const __m128i cr = sizeof(Char) == 1 ? _mm_set1_epi8('\r') : _mm_set1_epi16('\r');
    for (; i + kStep <= n; i += kStep) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(data + i));
        const __m128i ends =
            sizeof(Char) == 1
                ? _mm_or_si128(_mm_cmpeq_epi8(chunk, lf), _mm_cmpeq_epi8(chunk, cr))
                : _mm_or_si128(_mm_cmpeq_epi16(chunk, lf), _mm_cmpeq_epi16(chunk, cr));
        if (const auto mask = unsigned(_mm_movemask_epi8(ends)))
            return i + std::countr_zero(mask) / qsizetype(sizeof(Char));
    }
#endif
    for (; i < n; ++i)
        if (data[i] == Char('\r') || data[i] == Char('\n'))
            return i;
    return n;
}

// Calls `visit(line, size, index)` for each line of the `n` characters or bytes at `data`,
// split at CR LF, LF or CR, while it returns true. A final line end leaves an empty last line;
// an empty text is one empty line.
template <typename Char, typename Visit>
void splitAtLineEnds(const Char *data, qsizetype n, Visit visit) {
    qsizetype start = 0;
    qsizetype index = 0;
    for (qsizetype end = nextLineEnd(data, 0, n); end < n; end = nextLineEnd(data, start, n)) {
        if (!visit(data + start, end - start, index++))
            return;
        if (data[end] == Char('\r') && end + 1 < n && data[end + 1] == Char('\n'))
            ++end;
        start = end + 1;
    }
    visit(data + start, n - start, index);
}

// Calls `visit` with each line of `text`, split at CR LF, LF or CR. A final line end leaves
// an empty last line; an empty text is one empty line.
template <typename Visit> void forEachLine(QStringView text, Visit visit) {
    splitAtLineEnds(text.utf16(), text.size(),
                    [&](const char16_t *line, qsizetype size, qsizetype) {
                        visit(QStringView(line, size));
                        return true;
                    });
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
