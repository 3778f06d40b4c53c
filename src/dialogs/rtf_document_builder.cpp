#include "dialogs/rtf_document_builder.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kMaxCachedFormats = 32;

QTextCharFormat charFormat(const RtfDocument &rtf, const RtfCharFormat &format) {
    QTextCharFormat result;
    result.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    result.setFontItalic(format.italic);
    result.setFontUnderline(format.underline);
    result.setFontPointSize(format.halfPoints / 2.0);
    if (const QString family = rtf.fontFamily(format); !family.isEmpty())
        result.setFontFamilies({family});
    if (const auto colour = rtf.colour(format))
        result.setForeground(QColor(colour->red, colour->green, colour->blue));
    return result;
}

// Twips to the document's pixels, 15 twips to a pixel as everywhere in the program.
qreal pixels(int twips) {
    return twips / 15.0;
}

QTextBlockFormat blockFormat(const RtfParagraphFormat &format) {
    QTextBlockFormat result;
    result.setTopMargin(pixels(format.spaceBefore));
    result.setBottomMargin(pixels(format.spaceAfter));
    result.setLeftMargin(pixels(format.leftIndent));
    result.setTextIndent(pixels(format.firstIndent));
    switch (format.alignment) {
    case RtfAlignment::Left:
        result.setAlignment(Qt::AlignLeft);
        break;
    case RtfAlignment::Centre:
        result.setAlignment(Qt::AlignHCenter);
        break;
    case RtfAlignment::Right:
        result.setAlignment(Qt::AlignRight);
        break;
    case RtfAlignment::Justify:
        result.setAlignment(Qt::AlignJustify);
        break;
    }
    return result;
}

} // namespace

void buildTextDocument(const RtfDocument &rtf, QTextDocument &target) {
    target.clear();
    // A reference is only read: an undo history would double the memory of a large file.
    target.setUndoRedoEnabled(false);
    QTextCursor cursor(&target);
    cursor.beginEditBlock();
    // A reference uses a handful of formats over and over; converting each once saves
    // most of the building time of a large file.
    std::vector<std::pair<RtfCharFormat, QTextCharFormat>> converted;
    const auto formatFor = [&](const RtfCharFormat &format) -> const QTextCharFormat & {
        for (const auto &[from, to] : converted)
            if (from == format)
                return to;
        if (converted.size() == kMaxCachedFormats)
            converted.pop_back();
        converted.insert(converted.begin(), {format, charFormat(rtf, format)});
        return converted.front().second;
    };
    bool first = true;
    for (const RtfParagraph &paragraph : rtf.paragraphs) {
        if (first)
            cursor.setBlockFormat(blockFormat(paragraph.format));
        else
            cursor.insertBlock(blockFormat(paragraph.format));
        first = false;
        for (const RtfRun &run : paragraph.runs)
            cursor.insertText(run.text, formatFor(run.format));
    }
    cursor.endEditBlock();
}
