#include "analysis/command_reference.h"

#include "analysis/vocabulary_table.h"

namespace {

// The Windows-1252 byte of a character above 0x7F, or 0 when the code page has none.
unsigned char windows1252(char16_t c) {
    if (c >= 0xA0 && c <= 0xFF)
        return static_cast<unsigned char>(c);
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    for (int i = 0; i < 32; ++i)
        if (high[i] == c)
            return static_cast<unsigned char>(0x80 + i);
    return 0;
}

QByteArray hexEscape(unsigned char byte) {
    static const char digits[] = "0123456789abcdef";
    QByteArray out("\\'");
    out += digits[byte >> 4];
    out += digits[byte & 0xF];
    return out;
}

QString syntaxLine(const VocabularyEntry &entry, const QString &form) {
    if (form.isEmpty())
        return entry.name;
    const bool attached = form.startsWith(QLatin1Char('('));
    return entry.name + (attached ? QString() : QStringLiteral(" ")) + form;
}

constexpr char Header[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0\n"
                          "{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\fmodern Courier New;}}\n"
                          "{\\colortbl;\\red0\\green0\\blue0;\\red0\\green0\\blue160;"
                          "\\red96\\green96\\blue96;}\n"
                          "\\f0\\fs20\n";

// The notation of the argument forms, shown once at the top.
const char *const Introduction[] = {
    "Each section names one keyword, command or function of OPL, shows how it is written "
    "and says what it does.",
    "Argument names end in a type: % for an integer, & for a long integer, $ for a string, "
    "none for a floating-point number. Square brackets enclose optional arguments. A form "
    "marked var names a variable that the command changes; var itself is not written. "
    "Alternative forms are shown one per line.",
};

} // namespace

QByteArray CommandReference::escape(const QString &text) {
    QByteArray out;
    out.reserve(text.size());
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += char(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else if (c < 0x20) {
            out += ' '; // no other control character belongs in running text
        } else if (const unsigned char byte = windows1252(c)) {
            out += hexEscape(byte);
        } else {
            // \uN takes a signed 16-bit number; "?" is what readers without Unicode show.
            out += "\\u" + QByteArray::number(qint16(c)) + '?';
        }
    }
    return out;
}

QByteArray CommandReference::toRtf(const VocabularyTable &table) {
    QByteArray rtf(Header);
    rtf += "{\\pard\\sb0\\sa120\\b\\fs36 " + escape(QStringLiteral("OPL Command Reference")) +
           "\\par}\n";
    for (const char *paragraph : Introduction)
        rtf += "{\\pard\\sa120 " + escape(QString::fromUtf8(paragraph)) + "\\par}\n";

    for (const VocabularyEntry &entry : table.entries()) {
        rtf += "{\\pard\\sb240\\sa60\\keepn\\b\\fs28\\cf2 " + escape(entry.name) + "\\par}\n";
        const QStringList forms = entry.forms.isEmpty() ? QStringList{QString()} : entry.forms;
        for (const QString &form : forms)
            rtf += "{\\pard\\f1\\fs20 " + escape(syntaxLine(entry, form)) + "\\par}\n";
        rtf += "{\\pard\\sb60\\sa60 " + escape(entry.description) + "\\par}\n";
        for (const QString &paragraph : entry.paragraphs)
            rtf += "{\\pard\\sa60 " + escape(paragraph) + "\\par}\n";
        if (!entry.example.isEmpty()) {
            rtf += "{\\pard\\sb60\\i\\cf3 " + escape(QStringLiteral("Example")) + "\\par}\n";
            for (const QString &line : entry.example)
                rtf += "{\\pard\\li360\\f1\\fs20 " + escape(line) + "\\par}\n";
        }
    }
    rtf += "}\n";
    return rtf;
}
