#include "lsp/reference_sections.h"

#include "dialogs/reference_search.h"
#include "dialogs/rtf_reader.h"

namespace {

bool isHeading(const RtfParagraph &paragraph) {
    bool bold = !paragraph.text().trimmed().isEmpty();
    for (const RtfRun &run : paragraph.runs)
        bold = bold && (run.format.bold || run.text.trimmed().isEmpty());
    return bold;
}

// Markdown's own characters in plain text are shown as they are.
QString escaped(QString text) {
    static const QString special = QStringLiteral("\\`*_[]<>#|");
    for (qsizetype i = text.size() - 1; i >= 0; --i)
        if (special.contains(text[i]))
            text.insert(i, u'\\');
    return text;
}

} // namespace

ReferenceSections ReferenceSections::fromRtf(QByteArrayView rtf) {
    const RtfDocument document = RtfReader::read(rtf);
    ReferenceSections result;
    QString section;
    bool inCode = false;
    const auto closeCode = [&] {
        if (inCode)
            section += QStringLiteral("```\n");
        inCode = false;
    };
    for (const RtfParagraph &paragraph : document.paragraphs) {
        QString text = paragraph.text();
        text.replace(QChar(0x2028), u'\n');
        if (isHeading(paragraph)) {
            closeCode();
            if (!result.m_headings.isEmpty())
                result.m_sections.append(section.trimmed());
            result.m_headings.append(text.trimmed());
            section = QStringLiteral("**") + escaped(text.trimmed()) + QStringLiteral("**\n\n");
            continue;
        }
        if (result.m_headings.isEmpty())
            continue;
        // Syntax lines and examples are set in the reference's second (fixed-pitch) font.
        const bool code = !paragraph.runs.isEmpty() && paragraph.runs.first().format.font > 0;
        if (code != inCode) {
            closeCode();
            if (code)
                section += QStringLiteral("```opl\n");
            inCode = code;
        }
        if (code)
            section += text + u'\n';
        else if (!paragraph.runs.isEmpty() && paragraph.runs.first().format.italic)
            section += u'*' + escaped(text.trimmed()) + QStringLiteral("*\n\n");
        else if (!text.trimmed().isEmpty())
            section += escaped(text) + QStringLiteral("\n\n");
    }
    closeCode();
    if (!result.m_headings.isEmpty())
        result.m_sections.append(section.trimmed());
    return result;
}

QString ReferenceSections::markdown(const QString &name) const {
    const qsizetype at = ReferenceSearch::headingIndex(m_headings, name, false);
    return at < 0 ? QString() : m_sections[at];
}
