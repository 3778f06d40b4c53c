#include "analysis/ascii_case.h"

#include <algorithm>

namespace AsciiCase {

bool matchesAt(QStringView text, qsizetype pos, QLatin1StringView needle) {
    if (pos < 0 || pos + needle.size() > text.size())
        return false;
    for (qsizetype j = 0; j < needle.size(); ++j)
        if (upper(text[pos + j].unicode()) != char16_t(needle[j].unicode()))
            return false;
    return true;
}

qsizetype indexOf(QStringView text, QLatin1StringView needle, qsizetype from) {
    if (needle.isEmpty())
        return from <= text.size() ? from : -1;
    const char16_t first = needle[0].unicode();
    const qsizetype last = text.size() - needle.size();
    for (qsizetype i = from; i <= last; ++i)
        if (upper(text[i].unicode()) == first && matchesAt(text, i, needle))
            return i;
    return -1;
}

namespace {

// A long text is counted first, so that the result is no larger than what it keeps.
template <typename Drop> qsizetype keptSize(QStringView text, Drop drop) {
    if (text.size() <= 4096)
        return text.size();
    return std::count_if(text.begin(), text.end(), [&](QChar c) { return !drop(c); });
}

template <typename Drop> QString without(QStringView text, Drop drop) {
    QString out(keptSize(text, drop), Qt::Uninitialized);
    QChar *end = out.data();
    for (QChar c : text)
        if (!drop(c))
            *end++ = c;
    out.truncate(end - out.constData());
    return out;
}

template <typename Drop> QStringView without(QStringView text, Drop drop, std::u16string &buffer) {
    const auto kept = std::size_t(keptSize(text, drop));
    if (buffer.size() < kept)
        buffer.resize(kept);
    std::size_t size = 0;
    for (QChar c : text)
        if (!drop(c))
            buffer[size++] = c.unicode();
    return QStringView(buffer.data(), qsizetype(size));
}

bool isBlank(QChar c) {
    return c == u' ';
}
bool isBlankOrTab(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

QStringView withoutBlanks(QStringView text, std::u16string &buffer) {
    return without(text, isBlank, buffer);
}

QStringView withoutBlanksAndTabs(QStringView text, std::u16string &buffer) {
    return without(text, isBlankOrTab, buffer);
}

QString withoutBlanks(QStringView text) {
    return without(text, [](QChar c) { return c == u' '; });
}

QString withoutBlanksAndTabs(QStringView text) {
    return without(text, [](QChar c) { return c == u' ' || c == u'\t'; });
}

} // namespace AsciiCase
