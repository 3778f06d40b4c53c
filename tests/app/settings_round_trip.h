#pragma once

#include "base/settings_file.h"

#include <QByteArrayView>
#include <cmath>
#include <cstring>

// The settings file's promise, shared by a property test and a fuzz target: any record,
// written and read back, comes back the same except for the texts that cannot be stored
// and the numbers that have no number form, which read back as their defaults.
namespace SettingsRoundTrip {

// A record spun out of arbitrary bytes: texts from an alphabet rich in what the format
// cares about (quote, comma, line ends, blank, NUL, surrogate halves, non-ASCII), numbers
// bit for bit.
inline AppSettings recordFrom(QByteArrayView bytes) {
    static const char16_t alphabet[] = {u'a',      u'/',      u' ',  u'"',    u',',      u'\r',
                                        u'\n',     u'\t',     u'\0', u'\xE4', u'\x20AC', u'\xD83D',
                                        u'\xDE00', u'\xFEFF', u'.',  u'1'};
    qsizetype at = 0;
    const auto byte = [&] {
        return at < bytes.size() ? std::uint8_t(bytes[at++]) : 0;
    };
    const auto text = [&] {
        QString s;
        for (int n = byte() % 12; n > 0; --n)
            s += QChar(alphabet[byte() % std::size(alphabet)]);
        return s;
    };
    const auto bits = [&](auto &value) {
        unsigned char raw[sizeof value];
        for (unsigned char &b : raw)
            b = byte();
        std::memcpy(&value, raw, sizeof value);
    };
    AppSettings s;
    for (int i = 1; i <= 3; ++i)
        s.RecentFiles[i] = text();
    for (int i = 1; i <= 4; ++i)
        s.Paths[i] = text();
    bits(s.WaitSeconds);
    s.EditorFont.Name = text();
    bits(s.EditorFont.Size);
    s.EditorFont.Bold = byte() & 1;
    s.LineNumbers = byte() & 1;
    for (std::uint32_t &colour : s.Colours)
        bits(colour);
    return s;
}

// "" when `written` reads back as promised and writing it again gives the same bytes;
// otherwise what went wrong.
inline QString violation(const AppSettings &written) {
    const AppSettings defaults;
    const auto kept = [](const QString &text, const QString &fallback) {
        return canStoreSettingText(text) ? text : fallback;
    };
    AppSettings expected = defaults; // the fields the file does not hold stay as they were
    for (int i = 1; i <= 3; ++i)
        expected.RecentFiles[i] = kept(written.RecentFiles[i], defaults.RecentFiles[i]);
    for (int i = 1; i <= 4; ++i)
        expected.Paths[i] = kept(written.Paths[i], defaults.Paths[i]);
    expected.EditorFont.Name = kept(written.EditorFont.Name, defaults.EditorFont.Name);
    if (std::isfinite(written.WaitSeconds))
        expected.WaitSeconds = written.WaitSeconds;
    expected.LineNumbers = written.LineNumbers;
    expected.Colours = written.Colours;
    const QByteArray bytes = formatSettingsFile(written);
    AppSettings read;
    if (!parseSettingsFile(bytes, read))
        return QStringLiteral("the file does not read back whole");
    // The size keeps 4 fraction digits, as far as a double holds them.
    const double size =
        std::isfinite(written.EditorFont.Size) ? written.EditorFont.Size : defaults.EditorFont.Size;
    if (!(std::fabs(read.EditorFont.Size - size) <= 0.00005 + std::fabs(size) * 1e-15))
        return QStringLiteral("the font size");
    expected.EditorFont.Size = read.EditorFont.Size;
    if (read != expected)
        return QStringLiteral("a value came back changed");
    return formatSettingsFile(read) == bytes ? QString() : QStringLiteral("new bytes");
}

// The bytes both as a record of their own and as a settings file read from disk.
inline QString violationFor(QByteArrayView bytes) {
    AppSettings fromFile;
    parseSettingsFile(bytes.toByteArray(), fromFile);
    const QString own = violation(recordFrom(bytes));
    return own.isEmpty() ? violation(fromFile) : own;
}

} // namespace SettingsRoundTrip
