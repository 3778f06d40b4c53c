#include "dialogs/reference_search.h"

#include <algorithm>

namespace {

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}

bool isSuffix(QChar c) {
    return c == u'$' || c == u'%' || c == u'&';
}

} // namespace

namespace ReferenceSearch {

qsizetype headingIndex(const QStringList &headings, QStringView text, bool prefixToo) {
    const QStringView wanted = text.trimmed();
    if (wanted.isEmpty())
        return -1;
    for (qsizetype i = 0; i < headings.size(); ++i)
        if (QStringView(headings[i]).trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return i;
    if (prefixToo)
        for (qsizetype i = 0; i < headings.size(); ++i)
            if (QStringView(headings[i]).trimmed().startsWith(wanted, Qt::CaseInsensitive))
                return i;
    return -1;
}

QString wordAt(QStringView line, qsizetype column) {
    qsizetype at = std::clamp<qsizetype>(column, 0, line.size());
    // Right after a word or its suffix: step back onto it.
    if ((at == line.size() || !isWordChar(line[at])) && at > 0 &&
        (isWordChar(line[at - 1]) || isSuffix(line[at - 1])))
        --at;
    if (at > 0 && at < line.size() && isSuffix(line[at]) && isWordChar(line[at - 1]))
        --at;
    qsizetype start = at, end = at;
    while (start > 0 && isWordChar(line[start - 1]))
        --start;
    while (end < line.size() && isWordChar(line[end]))
        ++end;
    if (start == end)
        return {};
    if (end < line.size() && isSuffix(line[end]))
        ++end;
    return line.sliced(start, end - start).toString();
}

} // namespace ReferenceSearch
