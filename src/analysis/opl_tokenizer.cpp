#include "analysis/opl_tokenizer.h"

#include "analysis/document_language.h"

#include <array>

namespace {

// Longer words are never looked up: no OPL name comes near this length.
constexpr int MaxWordLength = 255;

bool isLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c >= 0x80;
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(unsigned char c) {
    return isDigit(c) || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
}
bool isTypeSuffix(unsigned char c) {
    return c == '%' || c == '&' || c == '$';
}
bool isOperator(unsigned char c) {
    return c > ' ' && c < 0x7F && !isLetter(c) && !isDigit(c) && c != '"';
}
char upper(char c) {
    return (c >= 'a' && c <= 'z') ? char(c - 32) : c;
}

int styleOf(const DocumentLanguage &language, QLatin1String name, int fallback) {
    const DocumentLanguage::Category *category = language.category(name);
    return category ? category->style : fallback;
}

class RunList {
public:
    explicit RunList(std::vector<OplTokenizer::Run> &runs) : m_runs(runs) { m_runs.clear(); }
    void add(int length, int style) {
        if (length <= 0)
            return;
        if (!m_runs.empty() && m_runs.back().style == style)
            m_runs.back().length += length;
        else
            m_runs.push_back({length, style});
    }

private:
    std::vector<OplTokenizer::Run> &m_runs;
};

} // namespace

OplTokenizer::OplTokenizer(const DocumentLanguage &language) {
    m_text = styleOf(language, LanguageCategory::Text, 0);
    m_comment = styleOf(language, LanguageCategory::Comments, m_text);
    m_string = styleOf(language, LanguageCategory::Strings, m_text);
    m_number = styleOf(language, LanguageCategory::Numbers, m_text);
    m_operator = styleOf(language, LanguageCategory::Operators, m_text);
    if (const auto *keywords = language.category(LanguageCategory::Keywords))
        addWords(keywords->words, keywords->style);
    for (const DocumentLanguage::Category &category : language.categories())
        addWords(category.words, category.style);
}

void OplTokenizer::addWords(const QStringList &words, int style) {
    for (const QString &word : words) {
        std::string key = word.toUtf8().toStdString();
        for (char &c : key)
            c = upper(c);
        m_words.try_emplace(std::move(key), style); // the first list to hold a word keeps it
    }
}

int OplTokenizer::wordStyle(const char *word, int length) const {
    if (length > MaxWordLength)
        return -1;
    std::array<char, MaxWordLength> folded;
    for (int i = 0; i < length; ++i)
        folded[i] = upper(word[i]);
    const auto found = m_words.find(std::string_view(folded.data(), size_t(length)));
    return found == m_words.end() ? -1 : found->second;
}

std::vector<OplTokenizer::Run> OplTokenizer::styleLine(QByteArrayView line) const {
    std::vector<Run> runs;
    styleLine(line, runs);
    return runs;
}

void OplTokenizer::styleLine(QByteArrayView line, std::vector<Run> &runs) const {
    RunList out(runs);
    const char *text = line.data();
    const int n = int(line.size());
    auto at = [&](int i) {
        return i < n ? static_cast<unsigned char>(text[i]) : 0;
    };

    int i = 0;
    while (i < n) {
        const unsigned char c = at(i);
        const int start = i;
        if (c == '"') {
            // A doubled quote inside a string needs no rule of its own: it closes the string
            // and opens the next, and both get the same style. An unclosed string runs to
            // the end of the line.
            ++i;
            while (i < n && at(i) != '"')
                ++i;
            if (i < n)
                ++i;
            out.add(i - start, m_string);
        } else if (isLetter(c)) {
            while (i < n && (isLetter(at(i)) || isDigit(at(i))))
                ++i;
            if (i < n && isTypeSuffix(at(i)))
                ++i;
            const int wordEnd = i;
            if (wordEnd - start == 3 && upper(text[start]) == 'R' &&
                upper(text[start + 1]) == 'E' && upper(text[start + 2]) == 'M') {
                out.add(n - start, m_comment);
                return;
            }
            // Procedure names carry one colon and labels two; the word lists hold them so.
            int colons = 0;
            if (at(wordEnd) == ':')
                colons = at(wordEnd + 1) == ':' ? 2 : 1;
            int style = colons ? wordStyle(text + start, wordEnd - start + colons) : -1;
            if (style >= 0) {
                i = wordEnd + colons;
                out.add(i - start, style);
            } else {
                style = wordStyle(text + start, wordEnd - start);
                out.add(wordEnd - start, style >= 0 ? style : m_text);
            }
        } else if (isDigit(c) || (c == '.' && isDigit(at(i + 1)))) {
            while (isDigit(at(i)))
                ++i;
            if (at(i) == '.') {
                ++i;
                while (isDigit(at(i)))
                    ++i;
            }
            if ((at(i) == 'E' || at(i) == 'e') &&
                (isDigit(at(i + 1)) ||
                 ((at(i + 1) == '+' || at(i + 1) == '-') && isDigit(at(i + 2))))) {
                i += 2;
                while (isDigit(at(i)))
                    ++i;
            }
            out.add(i - start, m_number);
        } else if ((c == '&' || c == '$') && isHexDigit(at(i + 1))) {
            // Hexadecimal constants: &FFFF (long) and $FF (integer).
            ++i;
            while (isHexDigit(at(i)))
                ++i;
            out.add(i - start, m_number);
        } else if (isOperator(c)) {
            ++i;
            out.add(1, m_operator);
        } else {
            ++i;
            out.add(1, m_text);
        }
    }
}
