#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// What the RTF reader makes of a file: paragraphs of text runs, each run with its character
// formatting, plus the font and colour tables the runs refer to. Plain data, no widgets.

struct RtfColour {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const RtfColour &) const = default;
};

struct RtfCharFormat {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24; // \fs: font size in half points
    int font = -1;       // \f: font number; -1 = the document's default font (\deff)
    int colour = 0;      // \cf: index into the colour table; 0 = automatic
    bool operator==(const RtfCharFormat &) const = default;
};

enum class RtfAlignment { Left, Centre, Right, Justify };

// Paragraph layout; distances in twips (1/1440 inch).
struct RtfParagraphFormat {
    int spaceBefore = 0; // \sb
    int spaceAfter = 0;  // \sa
    int leftIndent = 0;  // \li
    int firstIndent = 0; // \fi: the first line's indent relative to the left indent
    RtfAlignment alignment = RtfAlignment::Left;
    bool operator==(const RtfParagraphFormat &) const = default;
};

struct RtfRun {
    QString text; // may hold '\t' and U+2028 (a line break inside the paragraph)
    RtfCharFormat format;
};

struct RtfParagraph {
    QList<RtfRun> runs;
    RtfParagraphFormat format;
    QString text() const;
};

struct RtfDocument {
    QHash<int, QString> fonts; // font number -> family name
    int defaultFont = -1;
    QList<std::optional<RtfColour>> colours; // std::nullopt = automatic colour
    QList<RtfParagraph> paragraphs;          // never empty

    // The family name for `format`, or an empty string when the font table has none.
    QString fontFamily(const RtfCharFormat &format) const;
    // The colour for `format`, or nothing for the automatic colour or an unknown index.
    std::optional<RtfColour> colour(const RtfCharFormat &format) const;
    // The text of all paragraphs, separated by '\n'.
    QString plainText() const;
};
