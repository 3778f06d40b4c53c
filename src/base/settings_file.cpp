#include "base/settings_file.h"

#include "base/disk_file.h"
#include "base/text_codec.h"

#include <QFileInfo>
#include <QStringList>
#include <charconv>
#include <cmath>
#include <optional>

namespace {

// A real settings file is a few hundred bytes; the cap only keeps a stray huge file from
// exhausting memory. A larger file counts as missing.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

const AppSettings kDefaults;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Steps past one field delimiter: a comma, or a line end (CR LF counts as one).
void skipDelimiter(const QString &text, qsizetype &pos) {
    if (pos >= text.size())
        return;
    if (text[pos] == u'\r' && pos + 1 < text.size() && text[pos + 1] == u'\n')
        ++pos;
    ++pos;
}

qsizetype findDelimiter(const QString &text, qsizetype pos) {
    while (pos < text.size() && text[pos] != u',' && !isLineEnd(text[pos]))
        ++pos;
    return pos;
}

// The next field of the stream that starts at `pos`. A quoted field runs to the closing
// quote, line ends and commas included, and whatever follows that quote up to the next
// delimiter is dropped; an unquoted one runs to the next comma or line end, blanks trimmed.
// Nothing when the text is exhausted or a quote is never closed (a file cut short).
std::optional<QString> nextField(const QString &text, qsizetype &pos) {
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    if (pos >= text.size())
        return std::nullopt;
    QString field;
    if (text[pos] == u'"') {
        const qsizetype close = text.indexOf(u'"', pos + 1);
        if (close < 0)
            return std::nullopt;
        field = text.mid(pos + 1, close - pos - 1);
        pos = findDelimiter(text, close + 1);
    } else {
        const qsizetype end = findDelimiter(text, pos);
        qsizetype last = end;
        while (last > pos && isBlank(text[last - 1]))
            --last;
        field = text.mid(pos, last - pos);
        pos = end;
    }
    skipDelimiter(text, pos);
    return field;
}

// A plain decimal number with "." whatever the locale: sign, digits, fraction, exponent
// (".5" and "1e3" included). Words such as "inf" or "nan", hex, and anything left over
// are refused, as are values out of the type's range.
template <typename T> std::optional<T> parseDecimal(const QString &field) {
    QByteArray ascii;
    ascii.reserve(field.size());
    for (QChar c : field) {
        const char16_t u = c.unicode();
        if (!(u >= u'0' && u <= u'9') && u != u'.' && u != u'e' && u != u'E' && u != u'+' &&
            u != u'-')
            return std::nullopt;
        ascii += char(u);
    }
    const char *first = ascii.constData();
    const char *last = first + ascii.size();
    if (first != last && *first == '+' && first + 1 != last && first[1] != '-')
        ++first; // from_chars takes a minus sign only
    T value{};
    const auto result = std::from_chars(first, last, value, std::chars_format::general);
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    return value;
}

// Colours are whole numbers 0..2^32-1 and nothing else: "1.5", "-1", "+1" or "1e3" is not
// a colour, so reading stops there rather than guess at a value the user never saved.
std::optional<std::uint32_t> parseColour(const QString &field) {
    QByteArray ascii;
    for (QChar c : field) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        ascii += char(c.unicode());
    }
    std::uint32_t value = 0;
    const char *last = ascii.constData() + ascii.size();
    const auto result = std::from_chars(ascii.constData(), last, value);
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    return value;
}

// The font size keeps 4 fraction digits. Past 2^52 a double has none left to drop.
double roundFontSize(double size) {
    const double scaled = size * 10000.0;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= 0x1p52)
        return size;
    return std::round(scaled) / 10000.0;
}

// The shortest plain decimal text (never an exponent) that reads back as `value`.
template <typename T> QString plainNumber(T value) {
    char buffer[512]; // a double's longest fixed form is about 330 characters
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

// `text` in quotes, or `fallback` when `text` could not be read back.
QString quoted(const QString &text, const QString &fallback = {}) {
    return u'"' + (canStoreSettingText(text) ? text : fallback) + u'"';
}

} // namespace

bool FileExists(const QString &path) {
    // Qt refuses a path holding a NUL as well, but complains on the console.
    if (path.isEmpty() || path.contains(QChar(0)))
        return false;
    return QFileInfo(path).isFile();
}

bool canStoreSettingText(const QString &text) {
    return !text.contains(u'"') && text.isValidUtf16();
}

QByteArray formatSettingsFile(const AppSettings &settings) {
    // A value that has no number form ("nan", "inf") would make the whole rest of the
    // file unreadable next time, so such a value is stored as its default instead.
    const float wait =
        std::isfinite(settings.WaitSeconds) ? settings.WaitSeconds : kDefaults.WaitSeconds;
    const double size = std::isfinite(settings.EditorFont.Size) ? settings.EditorFont.Size
                                                                : kDefaults.EditorFont.Size;
    QStringList lines;
    for (int i = 1; i <= 3; ++i)
        lines << quoted(settings.RecentFiles[i], kDefaults.RecentFiles[i]);
    for (int i = 1; i <= 4; ++i)
        lines << quoted(settings.Paths[i], kDefaults.Paths[i]);
    lines << plainNumber(wait) << quoted(settings.EditorFont.Name, kDefaults.EditorFont.Name)
          << plainNumber(roundFontSize(size))
          << quoted(settings.LineNumbers ? QStringLiteral("On") : QStringLiteral("Off"));
    for (std::uint32_t colour : settings.Colours)
        lines << QString::number(colour);
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return text.toUtf8();
}

bool parseSettingsFile(const QByteArray &bytes, AppSettings &settings) {
    const QString text = TextCodec::decodeText(bytes);
    qsizetype pos = 0;
    auto readText = [&](QString &target) {
        std::optional<QString> field = nextField(text, pos);
        if (field)
            target = *field;
        return field.has_value();
    };
    auto readNumber = [&](auto &target, auto parse) {
        const std::optional<QString> field = nextField(text, pos);
        if (!field)
            return false;
        const auto value = parse(*field);
        if (value)
            target = *value;
        return value.has_value();
    };

    for (int i = 1; i <= 3; ++i)
        if (!readText(settings.RecentFiles[i]))
            return false;
    for (int i = 1; i <= 4; ++i)
        if (!readText(settings.Paths[i]))
            return false;
    if (!readNumber(settings.WaitSeconds, parseDecimal<float>))
        return false;
    if (!readText(settings.EditorFont.Name))
        return false;
    auto parseSize = [](const QString &field) -> std::optional<double> {
        const std::optional<double> size = parseDecimal<double>(field);
        return size ? std::optional(roundFontSize(*size)) : std::nullopt;
    };
    if (!readNumber(settings.EditorFont.Size, parseSize))
        return false;
    QString lineNumbers;
    if (!readText(lineNumbers))
        return false;
    settings.LineNumbers = lineNumbers == QStringLiteral("On"); // case matters: "on" is off
    for (std::uint32_t &colour : settings.Colours)
        if (!readNumber(colour, parseColour))
            return false;
    return true;
}

bool readSettingsFile(const QString &path, AppSettings &settings) {
    const DiskFile::ReadResult file = DiskFile::read(path, kMaxFileBytes);
    return file.status == DiskFile::ReadResult::Status::Read &&
           parseSettingsFile(file.bytes, settings);
}

bool writeSettingsFile(const QString &path, const AppSettings &settings) {
    return DiskFile::replace(path, formatSettingsFile(settings)).ok;
}
