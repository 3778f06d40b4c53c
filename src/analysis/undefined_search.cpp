#include "analysis/undefined_search.h"

#include "analysis/analysis_texts.h"
#include "analysis/ascii_case.h"
#include "analysis/scope_index.h"
#include "analysis/text_pool.h"

#include <array>
#include <string>
#include <vector>

namespace {

// Characters that end a word: operators, brackets, blank, tab, and "~" itself, which stands
// for all of them.
constexpr std::array<bool, 128> kSeparators = [] {
    std::array<bool, 128> table{};
    for (char c : std::string_view(".;,()+-/*^[]<>= \t~"))
        table[static_cast<unsigned char>(c)] = true;
    return table;
}();

bool isSeparator(QChar c) {
    return c.unicode() < 128 && kSeparators[c.unicode()];
}

// The procedure a "PROC " line starts: the text after it without blanks, up to its first
// ":", with ":" appended.
QString procedureName(QStringView rest) {
    // Built up to the colon only: the rest of a long line is never copied.
    QString name;
    for (QChar c : rest) {
        if (c == u':')
            break;
        if (c != u' ')
            name += c;
    }
    return name + u':';
}

// The line with every quoted string taken out, quotes included; an unclosed string takes
// the rest of the line with it. What stands either side of a string joins up.
QStringView dropStrings(QStringView line, std::u16string &out) {
    if (AsciiCase::indexOfChar(line, u'"') < 0)
        return line;
    out.resize(std::size_t(line.size()));
    std::size_t size = 0;
    bool inString = false;
    for (QChar c : line) {
        if (c == u'"')
            inString = !inString;
        else if (!inString)
            out[size++] = c.unicode();
    }
    return QStringView(out.data(), qsizetype(size));
}

// Answers kept for words, so that a word asked again is not looked up again: each lookup
// costs probes in tables that a large document's names spread far beyond the caches, while
// this small table stays in them. `kSlots` bounds it; when half of them are used it starts
// afresh.
template <std::size_t kSlots> class WordAnswers {
public:
    // The answer kept for `word`, whose hash is `hash`: 1 yes, 0 no, -1 none.
    int find(QStringView word, std::uint32_t hash) const {
        for (std::size_t i = hash & kMask; m_slots[i].generation == m_generation;
             i = (i + 1) & kMask) {
            const Slot &slot = m_slots[i];
            if (slot.hash == hash && slot.length == word.size() &&
                NameSet::sameChars(word.utf16(), m_text.data() + slot.offset, word.size()))
                return slot.yes ? 1 : 0;
        }
        return -1;
    }

    void keep(QStringView word, std::uint32_t hash, bool yes) {
        if (word.size() > kLongest)
            return;
        if (m_used >= kSlots / 2)
            clear();
        std::size_t i = hash & kMask;
        while (m_slots[i].generation == m_generation)
            i = (i + 1) & kMask;
        m_slots[i] = {m_generation, hash, std::uint32_t(m_text.size()), std::uint16_t(word.size()),
                      yes};
        m_text.append(reinterpret_cast<const char16_t *>(word.utf16()), std::size_t(word.size()));
        ++m_used;
    }

    void clear() {
        ++m_generation;
        m_used = 0;
        m_text.clear();
    }

private:
    static constexpr std::size_t kMask = kSlots - 1;
    static_assert((kSlots & kMask) == 0, "a power of two");
    static constexpr qsizetype kLongest = 64;
    struct Slot {
        std::uint32_t generation = 0;
        std::uint32_t hash = 0;
        std::uint32_t offset = 0;
        std::uint16_t length = 0;
        bool yes = false;
    };
    std::vector<Slot> m_slots = std::vector<Slot>(kSlots);
    std::u16string m_text; // the kept words one after the other
    std::uint32_t m_generation = 1;
    std::size_t m_used = 0;
};

// Where the line's first "REM" stands, and its first "PROC " when that lies wholly before the
// "REM"; -1 for either that is not there. One pass instead of a search for each.
std::pair<qsizetype, qsizetype> remAndProc(QStringView line) {
    const char16_t *text = line.utf16();
    const qsizetype n = line.size();
    qsizetype proc = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i] | 0x20; // ASCII letters in lower case; others do not match
        if (c == u'r' && AsciiCase::matchesAt(line, i, QLatin1StringView("REM")))
            return {i, proc};
        if (c == u'p' && proc < 0 && AsciiCase::matchesAt(line, i, QLatin1StringView("PROC ")))
            proc = i;
    }
    return {-1, proc};
}

} // namespace

bool searchUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                     const QStringList &lstProc, const QList<NavigatorNode> &nodes,
                     const UndefinedVisitor &visit) {
    const DeclaredNames declared(lstProc);
    const ScopeIndex scope(nodes, lstProc);
    return searchUndefined(lines, vocabulary, declared, scope, visit);
}

bool searchUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                     const DeclaredNames &declared, const ScopeIndex &scope,
                     const UndefinedVisitor &visit) {
    std::u16string textBuffer;
    std::u16string foldBuffer;
    QString procedure; // kept from line to line until an "ENDP" or the next "PROC "
    int owner = scope.ownerOf(procedure);
    int lastProcedure = -1; // the owner number of the latest procedure met
    // Whether a word is declared outside the procedure's members holds in every procedure,
    // so that answer is kept across them; a word known to be declared so (a keyword, most
    // often) needs nothing more. Otherwise the procedure's own names are asked first: they are
    // kept together, where the tables behind IsNameFree and the rest of the scope spread a
    // large document's names far beyond the caches. Each of the word's two forms is hashed
    // once.
    WordAnswers<4096> everywhereAnswers; // yes: declared outside the procedure's members
    const auto lookUp = [&](QStringView word, std::uint32_t hash) {
        const int kept = everywhereAnswers.find(word, hash);
        if (kept == 1 || scope.isNear(word, owner))
            return false;
        if (kept == 0)
            return true;
        const NameSet::Folded folded = NameSet::foldAndHash(word, foldBuffer);
        const bool declaredEverywhere = vocabulary.containsFolded(folded.text, folded.hash) ||
                                        declared.containsFolded(folded.text, folded.hash) ||
                                        scope.isDeclaredEverywhere(word, folded.originalHash);
        everywhereAnswers.keep(word, hash, declaredEverywhere);
        return !declaredEverywhere;
    };
    // The answers for the words of the current procedure, emptied when it changes: an answer
    // depends on the word and the procedure alone.
    WordAnswers<512> answers; // yes: undefined
    const auto isUndefined = [&](QStringView word) {
        const std::uint32_t hash = NameSet::hash(word);
        if (const int kept = answers.find(word, hash); kept >= 0)
            return kept == 1;
        const bool undefined = lookUp(word, hash);
        answers.keep(word, hash, undefined);
        return undefined;
    };
    bool complete = true;
    lines.forEach([&](QStringView line, qsizetype i) {
        const auto [rem, proc] = remAndProc(line);
        if (rem >= 0)
            line = line.first(rem);
        bool changed = false;
        if (AsciiCase::equals(line, QLatin1StringView("ENDP"))) {
            procedure.clear();
            changed = true;
        }
        if (proc >= 0) {
            procedure = procedureName(line.sliced(proc + 5));
            changed = true;
        }
        if (changed) {
            owner = scope.ownerOf(procedure, lastProcedure);
            if (!procedure.isEmpty() && owner >= 0)
                lastProcedure = owner;
            answers.clear();
        }
        const QStringView text = dropStrings(line, textBuffer);

        qsizetype start = 0;
        for (qsizetype end = 0; end <= text.size(); ++end) {
            if (end < text.size() && !isSeparator(text[end]))
                continue;
            // Numbers, and anything else that does not start with a letter or the like.
            if (end > start && text[start].unicode() >= 65) {
                const QStringView word = text.sliced(start, end - start);
                if (isUndefined(word) && !visit(int(i), word)) {
                    complete = false;
                    return false;
                }
            }
            start = end + 1;
        }
        return true;
    });
    return complete;
}

UndefinedSearchResult findUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                                    const QStringList &lstProc, const QList<NavigatorNode> &nodes) {
    UndefinedSearchResult result;
    TextPool words; // an unknown word is most often met many times
    searchUndefined(lines, vocabulary, lstProc, nodes, [&](int line, QStringView word) {
        result.findings.append(UndefinedFinding{line, words.shared(word)});
        return true;
    });
    result.found = !result.findings.isEmpty();
    result.message = undefinedSearchMessage(result.findings.size());
    return result;
}

QString undefinedSearchMessage(qsizetype count) {
    QString message = AnalysisTexts::searchUndefined() + AnalysisTexts::isComplete();
    if (count > 0)
        message += AnalysisTexts::unknownFound() +
                   QStringLiteral("\r\n\r\n%1 unknown elements were found.").arg(count);
    return message;
}
