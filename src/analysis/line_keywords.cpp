#include "analysis/line_keywords.h"

#include "analysis/ascii_case.h"

namespace {

// Each keyword's text; the blank that ends it (or, for "END DECLARE", its inner blank) is
// the anchor the pass looks from.
struct KeywordText {
    QLatin1StringView text;
    qsizetype blank; // offset of the anchoring blank inside `text`
};

constexpr std::array<KeywordText, LineKeywords::Count> kKeywords = {{
    {QLatin1StringView("REM "), 3},
    {QLatin1StringView("GLOBAL "), 6},
    {QLatin1StringView("CONST "), 5},
    {QLatin1StringView("LOCAL "), 5},
    {QLatin1StringView("INCLUDE "), 7},
    {QLatin1StringView("OPEN "), 4},
    {QLatin1StringView("OPENR "), 5},
    {QLatin1StringView("CREATE "), 6},
    {QLatin1StringView("USE "), 3},
    {QLatin1StringView("PROC "), 4},
    {QLatin1StringView("DECLARE OPX "), 11},
    {QLatin1StringView("END DECLARE"), 3},
}};

} // namespace

LineKeywords::LineKeywords(QStringView line) {
    m_position.fill(-1);
    const qsizetype n = line.size();
    for (qsizetype i = 1; i < n; ++i) {
        if (line[i] != u' ')
            continue;
        // Every anchoring blank follows a letter of the keyword.
        const char16_t before = AsciiCase::upper(line[i - 1].unicode());
        if (before < u'A' || before > u'Z')
            continue;
        for (int k = 0; k < Count; ++k) {
            if (m_position[k] >= 0)
                continue;
            const KeywordText &keyword = kKeywords[k];
            if (char16_t(keyword.text[keyword.blank - 1].unicode()) != before)
                continue;
            const qsizetype start = i - keyword.blank;
            if (AsciiCase::matchesAt(line, start, keyword.text))
                m_position[k] = start;
        }
    }
}

QStringView LineKeywords::rest(QStringView line, Keyword keyword) const {
    return line.sliced(m_position[keyword] + length(keyword));
}

void LineKeywords::cutAt(qsizetype end) {
    for (int k = 0; k < Count; ++k)
        if (m_position[k] >= 0 && m_position[k] + length(Keyword(k)) > end)
            m_position[k] = -1;
}

qsizetype LineKeywords::length(Keyword keyword) {
    return kKeywords[keyword].text.size();
}
