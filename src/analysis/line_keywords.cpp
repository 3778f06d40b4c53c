#include "analysis/line_keywords.h"

#include "analysis/ascii_case.h"

#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// For each letter, the keywords whose anchoring blank follows it: at most three, so a blank
// costs one table look-up and a few comparisons instead of a test of every keyword.
constexpr auto kByLetter = [] {
    std::array<std::array<signed char, 4>, 26> table{};
    for (auto &entry : table)
        entry.fill(-1);
    for (int k = 0; k < LineKeywords::Count; ++k) {
        const KeywordText &keyword = kKeywords[std::size_t(k)];
        auto &entry = table[std::size_t(keyword.text[keyword.blank - 1].toLatin1() - 'A')];
        std::size_t slot = 0;
        while (entry[slot] >= 0)
            ++slot;
        entry[slot] = static_cast<signed char>(k);
    }
    return table;
}();

} // namespace

// Every anchoring blank follows the last letter before it of its keyword: the letters that
// end such a part, as bits A = 0 ... Z = 25.
constexpr std::uint32_t kAnchorLetters = [] {
    std::uint32_t bits = 0;
    for (int letter = 0; letter < 26; ++letter)
        if (kByLetter[std::size_t(letter)][0] >= 0)
            bits |= 1u << letter;
    return bits;
}();

static bool mayAnchor(const char16_t *text, qsizetype i) {
    if (i == 0)
        return false;
    const unsigned letter = unsigned(AsciiCase::upper(text[i - 1])) - u'A';
    return letter < 26 && (kAnchorLetters >> letter & 1u);
}

void LineKeywords::atBlank(QStringView line, qsizetype i) {
    const char16_t before = AsciiCase::upper(line.utf16()[i - 1]);
    for (const signed char k : kByLetter[before - u'A']) {
        if (k < 0)
            break;
        if (m_position[k] >= 0)
            continue;
        const KeywordText &keyword = kKeywords[std::size_t(k)];
        const qsizetype start = i - keyword.blank;
        if (AsciiCase::matchesAt(line, start, keyword.text))
            m_position[k] = start;
    }
}

void LineKeywords::atColon(QStringView line, qsizetype i) {
    if (m_colon < 0)
        m_colon = i;
    if (m_doubleColon < 0 && i + 1 < line.size() && line.utf16()[i + 1] == u':')
        m_doubleColon = i;
}

LineKeywords::LineKeywords(QStringView line) {
    m_position.fill(-1);
    const char16_t *text = line.utf16();
    const qsizetype n = line.size();
    qsizetype i = 0;
#if defined(__SSE2__)
    // Eight characters at a time: most of a line is neither a blank nor a colon.
    const __m128i blank = _mm_set1_epi16(' ');
    const __m128i colon = _mm_set1_epi16(':');
    for (; i + 8 <= n; i += 8) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i *>(text + i));
        const __m128i blanks = _mm_cmpeq_epi16(chunk, blank);
        auto mask =
            unsigned(_mm_movemask_epi8(_mm_or_si128(blanks, _mm_cmpeq_epi16(chunk, colon))));
        while (mask) {
            const qsizetype at = i + std::countr_zero(mask) / 2;
            mask &= mask - 1; // each character sets two bits
            mask &= mask - 1;
            if (text[at] != u' ')
                atColon(line, at);
            else if (mayAnchor(text, at))
                atBlank(line, at);
        }
    }
#endif
    for (; i < n; ++i) {
        if (text[i] == u' ' && mayAnchor(text, i))
            atBlank(line, i);
        else if (text[i] == u':')
            atColon(line, i);
    }
}

QStringView LineKeywords::rest(QStringView line, Keyword keyword) const {
    return line.sliced(m_position[keyword] + length(keyword));
}

void LineKeywords::cutAt(qsizetype end) {
    for (int k = 0; k < Count; ++k)
        if (m_position[k] >= 0 && m_position[k] + length(Keyword(k)) > end)
            m_position[k] = -1;
    if (m_colon >= end)
        m_colon = -1;
    if (m_doubleColon + 2 > end)
        m_doubleColon = -1;
}

qsizetype LineKeywords::length(Keyword keyword) {
    return kKeywords[keyword].text.size();
}
