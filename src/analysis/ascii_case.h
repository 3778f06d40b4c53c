#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>
#include <string>

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

// Position of the first `c` in `text` at or after `from`, or -1. For the short texts of a line
// a plain loop beats the library's search, whose set-up costs more than the search.
inline qsizetype indexOfChar(QStringView text, char16_t c, qsizetype from = 0) {
    const char16_t *data = text.utf16();
    for (qsizetype i = from; i < text.size(); ++i)
        if (data[i] == c)
            return i;
    return -1;
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

// The same into `buffer`, which the caller reuses from call to call: no allocation once it
// is large enough. The view is valid until the buffer's next use.
QStringView withoutBlanks(QStringView text, std::u16string &buffer);
QStringView withoutBlanksAndTabs(QStringView text, std::u16string &buffer);

} // namespace AsciiCase
