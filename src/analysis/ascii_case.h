#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// Keyword tests of the scanner and the undefined-name search. OPL keywords are ASCII, so
// "ignoring case" folds ASCII letters only; this keeps the tests cheap enough to run a dozen
// times per line on large files without building upper-cased copies.
namespace AsciiCase {

inline char16_t upper(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

// Position of the first occurrence of `needle` (upper-case ASCII) in `text`, or -1.
qsizetype indexOf(QStringView text, QLatin1StringView needle, qsizetype from = 0);

inline bool contains(QStringView text, QLatin1StringView needle) {
    return indexOf(text, needle) >= 0;
}

// True when `text` at `pos` holds `needle` (upper-case ASCII) ignoring case.
bool matchesAt(QStringView text, qsizetype pos, QLatin1StringView needle);

// True when the whole of `text` equals `needle` (upper-case ASCII) ignoring case.
inline bool equals(QStringView text, QLatin1StringView needle) {
    return text.size() == needle.size() && matchesAt(text, 0, needle);
}

// `text` without its blanks (spaces); tabs stay.
QString withoutBlanks(QStringView text);

// `text` without its blanks and tabs.
QString withoutBlanksAndTabs(QStringView text);

} // namespace AsciiCase
