#include "analysis/undefined_search.h"

#include "analysis/analysis_texts.h"
#include "analysis/ascii_case.h"
#include "analysis/scope_index.h"

#include <array>
#include <string>

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
    DeclaredNames declared;
    declared.reserve(lstProc.size());
    for (const QString &name : lstProc)
        declared.addUnlisted(name);
    return searchUndefined(lines, vocabulary, declared, ScopeIndex(nodes), visit);
}

bool searchUndefined(const SourceLines &lines, const VocabularyNames &vocabulary,
                     const DeclaredNames &declared, const ScopeIndex &scope,
                     const UndefinedVisitor &visit) {
    std::u16string textBuffer;
    std::u16string foldBuffer;
    QString procedure; // kept from line to line until an "ENDP" or the next "PROC "
    int owner = scope.ownerOf(procedure);
    // IsNameFree and the scope lookup, with each of the word's two forms hashed once.
    const auto isUndefined = [&](QStringView word) {
        const NameSet::Folded folded = NameSet::foldAndHash(word, foldBuffer);
        if (vocabulary.containsFolded(folded.text, folded.hash) ||
            declared.containsFolded(folded.text, folded.hash))
            return false;
        return !scope.isDeclared(word, folded.originalHash, owner);
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
        if (changed)
            owner = scope.ownerOf(procedure);
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
    searchUndefined(lines, vocabulary, lstProc, nodes, [&](int line, QStringView word) {
        result.findings.append(UndefinedFinding{line, word.toString()});
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
