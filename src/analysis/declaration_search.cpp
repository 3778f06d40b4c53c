#include "analysis/declaration_search.h"

namespace DeclarationSearch {

int declarationLine(const QStringList &lines, QStringView name, QStringView keyword) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString upper = lines[i].toUpper();
        const qsizetype at = upper.indexOf(keyword, 0, Qt::CaseInsensitive);
        if (at >= 0 && upper.indexOf(name, at, Qt::CaseInsensitive) >= 0)
            return int(i);
    }
    return -1;
}

int labelLine(const QStringList &lines, QStringView label) {
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        // Compare without building the stripped copy: walk both, skipping blanks and tabs.
        qsizetype matched = 0;
        bool equal = true;
        for (const QChar c : line) {
            if (c == u' ' || c == u'\t')
                continue;
            if (matched >= label.size() || label[matched] != c) {
                equal = false;
                break;
            }
            ++matched;
        }
        if (equal && matched == label.size())
            return int(i);
    }
    return -1;
}

} // namespace DeclarationSearch
