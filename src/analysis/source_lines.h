#pragma once

#include <QStringList>
#include <QStringView>

// The lines of a document as the analysis reads them: a list of lines, or one whole text
// split at CR LF, LF or CR as the editor splits it (a final line end leaves an empty last
// line). Neither is copied, so a large document is held once, not once more as lines.
class SourceLines {
public:
    SourceLines(const QStringList &lines) : m_list(&lines) {} // NOLINT: a list is lines
    explicit SourceLines(QStringView text) : m_text(text) {}

    // True when there are at least two lines.
    bool hasSecondLine() const {
        if (m_list)
            return m_list->size() >= 2;
        for (QChar c : m_text)
            if (c == u'\r' || c == u'\n')
                return true;
        return false;
    }

    // Calls `visit(line, index)` for each line in order while it returns true.
    template <typename Visit> void forEach(Visit visit) const {
        if (m_list) {
            for (qsizetype i = 0; i < m_list->size(); ++i)
                if (!visit(QStringView((*m_list)[i]), i))
                    return;
            return;
        }
        const char16_t *data = m_text.utf16();
        const qsizetype n = m_text.size();
        qsizetype start = 0;
        qsizetype index = 0;
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t c = data[i];
            // Both line ends lie below the blank: one compare keeps ordinary characters fast.
            if (c > u'\r' || (c != u'\r' && c != u'\n'))
                continue;
            if (!visit(QStringView(data + start, i - start), index++))
                return;
            if (c == u'\r' && i + 1 < n && data[i + 1] == u'\n')
                ++i;
            start = i + 1;
        }
        visit(QStringView(data + start, n - start), index);
    }

private:
    const QStringList *m_list = nullptr;
    QStringView m_text;
};
