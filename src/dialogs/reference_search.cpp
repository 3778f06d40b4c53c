#include "dialogs/reference_search.h"

namespace ReferenceSearch {

qsizetype headingPosition(QStringView paragraph, QStringView name) {
    qsizetype start = 0;
    while (start < paragraph.size() && paragraph.at(start).isSpace())
        ++start;
    qsizetype end = start;
    while (end < paragraph.size() && !paragraph.at(end).isSpace() && paragraph.at(end) != u'(')
        ++end;
    const QStringView word = paragraph.sliced(start, end - start);
    if (name.isEmpty() || word.compare(name, Qt::CaseInsensitive) != 0)
        return -1;
    return start;
}

} // namespace ReferenceSearch
