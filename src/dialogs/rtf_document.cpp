#include "dialogs/rtf_document.h"

QString RtfParagraph::text() const {
    QString result;
    for (const RtfRun &run : runs)
        result += run.text;
    return result;
}

QString RtfDocument::fontFamily(const RtfCharFormat &format) const {
    return fonts.value(format.font >= 0 ? format.font : defaultFont);
}

std::optional<RtfColour> RtfDocument::colour(const RtfCharFormat &format) const {
    if (format.colour < 0 || format.colour >= colours.size())
        return std::nullopt;
    return colours.at(format.colour);
}

QString RtfDocument::plainText() const {
    QStringList lines;
    lines.reserve(paragraphs.size());
    for (const RtfParagraph &paragraph : paragraphs)
        lines << paragraph.text();
    return lines.join(u'\n');
}
