#include "document/line_block_edits.h"

#include <algorithm>

int LineBlockEdits::firstLine(const TextRange &selection) {
    return std::min(selection.startLine, selection.endLine);
}

int LineBlockEdits::lastLine(const TextRange &selection) {
    return std::max(selection.startLine, selection.endLine);
}

QList<LineEdit> LineBlockEdits::comment(const TextRange &selection) {
    QList<LineEdit> edits;
    for (int line = firstLine(selection); line <= lastLine(selection); ++line)
        edits.append(LineEdit{line, 0, 0, QString(RemarkKeyword)});
    return edits;
}

QList<LineEdit> LineBlockEdits::uncomment(const TextRange &selection,
                                          const QStringList &touchedLines) {
    QList<LineEdit> edits;
    const int first = firstLine(selection);
    for (int line = first; line <= lastLine(selection); ++line) {
        const qsizetype index = line - first;
        const QString text = index < touchedLines.size() ? touchedLines[index] : QString();
        const bool remark = text.startsWith(RemarkKeyword, Qt::CaseSensitive);
        edits.append(
            LineEdit{line, 0, int(text.size()), remark ? text.mid(RemarkKeyword.size()) : text});
    }
    return edits;
}
