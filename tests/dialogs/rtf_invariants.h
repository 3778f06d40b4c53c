#pragma once

#include "dialogs/rtf_document.h"

#include <QString>

// What every document the RTF reader returns must satisfy, whatever its input: shared by
// the unit tests and the fuzz target. Returns the first violation, or an empty string.
inline QString rtfInvariantViolation(const RtfDocument &doc) {
    if (doc.paragraphs.isEmpty())
        return QStringLiteral("no paragraph");
    for (const RtfParagraph &paragraph : doc.paragraphs) {
        for (const RtfRun &run : paragraph.runs) {
            if (run.text.isEmpty())
                return QStringLiteral("empty run");
            if (!QStringView(run.text).isValidUtf16())
                return QStringLiteral("lone surrogate in ") + run.text;
            for (QChar c : run.text)
                if ((c.unicode() < 0x20 && c != u'\t') || c == u'\x7F')
                    return QStringLiteral("control character %1").arg(c.unicode());
            if (run.format.halfPoints < 1 || run.format.halfPoints > 3276)
                return QStringLiteral("font size %1").arg(run.format.halfPoints);
            if (run.format.font < -1 || run.format.colour < 0)
                return QStringLiteral("negative font or colour");
        }
    }
    return {};
}
