#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <optional>

// A position as the protocol counts it: 0-based line, and UTF-16 code units into the line,
// which are QString's own units.
struct TextPosition {
    int line = 0;
    int character = 0;
    bool operator==(const TextPosition &) const = default;
};

// The text of one open document and its edits. Lines end at CR LF, LF or CR, as the
// analysis splits them.
class LspDocument {
public:
    LspDocument() = default;
    explicit LspDocument(QString text) { setText(std::move(text)); }

    const QString &text() const { return m_text; }
    void setText(QString text);

    int lineCount() const { return int(m_lineStarts.size()); }
    // Line `index` without its line end; empty when there is no such line.
    QStringView line(int index) const;

    // The offset into text() of `position`, or nothing for a line outside the document. A
    // character past the line's end means the end, as the protocol asks.
    std::optional<qsizetype> offset(TextPosition position) const;
    // Whether `position` lies inside the document (its character may lie past the line end).
    bool contains(TextPosition position) const { return offset(position).has_value(); }

    // Replaces the text between two positions. False, changing nothing, when either lies
    // outside the document or the end comes before the start.
    bool replace(TextPosition start, TextPosition end, QStringView with);

private:
    // Adds the starts of the lines after the line ends found from `from` to before `until`.
    void indexLines(qsizetype from, qsizetype until);

    QString m_text;
    QList<qsizetype> m_lineStarts{0};
};
