#pragma once

#include "app/settings_file.h"

#include <QByteArrayView>
#include <QStringList>
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
// otherwise the fields that came back wrong.
inline QString violation(const AppSettings &written) {
    const AppSettings defaults;
    AppSettings read;
    const QByteArray bytes = formatSettingsFile(written);
    if (!parseSettingsFile(bytes, read))
        return QStringLiteral("the file does not read back whole");
    QStringList wrong;
    const auto text = [&](const char *field, const QString &in, const QString &out,
                          const QString &fallback) {
        if (out != (canStoreSettingText(in) ? in : fallback))
            wrong << QString::fromLatin1(field);
    };
    for (int i = 1; i <= 3; ++i)
        text("recent file", written.RecentFiles[i], read.RecentFiles[i], defaults.RecentFiles[i]);
    for (int i = 1; i <= 4; ++i)
        text("path", written.Paths[i], read.Paths[i], defaults.Paths[i]);
    text("font name", written.EditorFont.Name, read.EditorFont.Name, defaults.EditorFont.Name);
    if (read.WaitSeconds !=
        (std::isfinite(written.WaitSeconds) ? written.WaitSeconds : defaults.WaitSeconds))
        wrong << QStringLiteral("wait");
    // The size keeps 4 fraction digits, as far as a double holds them.
    const double size =
        std::isfinite(written.EditorFont.Size) ? written.EditorFont.Size : defaults.EditorFont.Size;
    if (!(std::fabs(read.EditorFont.Size - size) <= 0.00005 + std::fabs(size) * 1e-15))
        wrong << QStringLiteral("font size");
    if (read.LineNumbers != written.LineNumbers || read.Colours != written.Colours)
        wrong << QStringLiteral("line numbers or colours");
    if (read.EditorFont.Bold || read.SaveEncoding != defaults.SaveEncoding)
        wrong << QStringLiteral("a field the file does not hold");
    if (formatSettingsFile(read) != bytes)
        wrong << QStringLiteral("bytes written again");
    return wrong.join(QStringLiteral(", "));
}

} // namespace SettingsRoundTrip
