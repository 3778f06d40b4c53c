#include "lsp/lsp_document.h"

#include <algorithm>

void LspDocument::setText(QString text) {
    m_text = std::move(text);
    m_lineStarts = {0};
    indexLines(0, m_text.size());
}

void LspDocument::indexLines(qsizetype from, qsizetype until) {
    const QChar *data = m_text.constData();
    const qsizetype n = m_text.size();
    for (qsizetype i = from; i < until; ++i) {
        const char16_t c = data[i].unicode();
        if (c > u'\r' || (c != u'\r' && c != u'\n'))
            continue;
        if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
            ++i;
        m_lineStarts.append(i + 1);
    }
}

QStringView LspDocument::line(int index) const {
    if (index < 0 || index >= lineCount())
        return {};
    const qsizetype start = m_lineStarts[index];
    qsizetype end = index + 1 < lineCount() ? m_lineStarts[index + 1] : m_text.size();
    while (end > start && (m_text[end - 1] == u'\n' || m_text[end - 1] == u'\r'))
        --end;
    return QStringView(m_text).sliced(start, end - start);
}

std::optional<qsizetype> LspDocument::offset(TextPosition position) const {
    if (position.line < 0 || position.line >= lineCount() || position.character < 0)
        return std::nullopt;
    const qsizetype start = m_lineStarts[position.line];
    return start + qMin<qsizetype>(position.character, line(position.line).size());
}

bool LspDocument::replace(TextPosition start, TextPosition end, QStringView with) {
    const std::optional<qsizetype> from = offset(start);
    const std::optional<qsizetype> to = offset(end);
    if (!from || !to || *to < *from)
        return false;
    const qsizetype delta = with.size() - (*to - *from);
    // Lines after the edit keep their starts, moved; lines before it keep theirs. Only the
    // edited stretch is read again, from the line before it (its CR may pair with a new LF)
    // to its end, so a keystroke costs the same in any size of document.
    const auto after = std::upper_bound(m_lineStarts.cbegin(), m_lineStarts.cend(), *to);
    QList<qsizetype> tail(after, m_lineStarts.cend());
    m_text.replace(*from, *to - *from, with.data(), with.size());
    const int keep = qMax(0, start.line - 1);
    m_lineStarts.resize(keep + 1);
    indexLines(m_lineStarts[keep], qMin(m_text.size(), *to + delta));
    for (const qsizetype lineStart : tail)
        if (lineStart + delta > m_lineStarts.last())
            m_lineStarts.append(lineStart + delta);
    return true;
}
