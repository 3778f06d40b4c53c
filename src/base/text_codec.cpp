#include "base/text_codec.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <array>

namespace TextCodec {

namespace {

// Windows-1252 0x80..0x9F. The undefined bytes map to the C1 control of the same value.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix) {
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char b : prefix)
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    return true;
}

// Decodes with a Qt decoder; nothing when the bytes are not valid in that encoding.
std::optional<QString> decodeStrict(QStringConverter::Encoding encoding, QByteArrayView bytes) {
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

QString decodeWindows1252(const QByteArray &bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    decodeWindows1252(bytes, text.data());
    return text;
}

QChar *decodeWindows1252(QByteArrayView bytes, QChar *out) {
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = (b >= 0x80 && b <= 0x9F) ? QChar(kHighControls[b - 0x80]) : QChar(b);
    }
    return out;
}

std::optional<char> windows1252Byte(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == u)
            return static_cast<char>(0x80 + i);
    return std::nullopt;
}

QString decodeText(const QByteArray &bytes) {
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF}))
        return QString::fromUtf8(QByteArrayView(bytes).sliced(3));
    if (startsWith(bytes, {0xFF, 0xFE}))
        return QStringDecoder(QStringConverter::Utf16LE).decode(QByteArrayView(bytes).sliced(2));
    if (startsWith(bytes, {0xFE, 0xFF}))
        return QStringDecoder(QStringConverter::Utf16BE).decode(QByteArrayView(bytes).sliced(2));
    if (auto utf8 = decodeStrict(QStringConverter::Utf8, bytes))
        return *utf8;
    return decodeWindows1252(bytes);
}

QString toCrLf(const QString &text) {
    QString result;
    result.reserve(text.size() + text.size() / 32 + 2);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c == u'\r') {
            result += QStringLiteral("\r\n");
            if (i + 1 < n && text[i + 1] == u'\n')
                ++i;
        } else if (c == u'\n') {
            result += QStringLiteral("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

QStringList splitLines(const QString &text) {
    QStringList lines;
    forEachLine(text, [&lines](QStringView line) { lines.append(line.toString()); });
    return lines;
}

EncodeResult encodeText(const QString &text, Format format) {
    const QString crlf = toCrLf(text);
    EncodeResult result;
    switch (format) {
    case Utf8:
        result.bytes = QByteArray("\xEF\xBB\xBF", 3) + crlf.toUtf8();
        return result;
    case Unicode: {
        QStringEncoder encoder(QStringConverter::Utf16LE);
        result.bytes = QByteArray("\xFF\xFE", 2) + QByteArray(encoder.encode(crlf));
        return result;
    }
    case Ascii:
        break;
    }
    result.bytes.reserve(crlf.size());
    int line = 1;
    for (qsizetype i = 0; i < crlf.size(); ++i) {
        const QChar c = crlf[i];
        if (c == u'\n')
            ++line;
        if (const auto byte = windows1252Byte(c)) {
            result.bytes.append(*byte);
            continue;
        }
        result.ok = false;
        result.line = line;
        result.character =
            (c.isHighSurrogate() && i + 1 < crlf.size()) ? crlf.mid(i, 2) : QString(c);
        result.errorMessage =
            QStringLiteral("Line %1: the character \"%2\" cannot be saved as ASCII.")
                .arg(line)
                .arg(result.character);
        result.bytes.clear();
        return result;
    }
    return result;
}

} // namespace TextCodec
