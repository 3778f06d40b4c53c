#include "analysis/undefined_search.h"

#include "analysis/analysis_texts.h"
#include "analysis/ascii_case.h"
#include "analysis/declared_names.h"
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
    QString name = AsciiCase::withoutBlanks(rest);
    const qsizetype colon = name.indexOf(u':');
    if (colon >= 0)
        name.truncate(colon);
    return name + u':';
}

// The line with every quoted string taken out, quotes included; an unclosed string takes
// the rest of the line with it. What stands either side of a string joins up.
QStringView dropStrings(QStringView line, std::u16string &out) {
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

} // namespace

UndefinedSearchResult findUndefined(const QStringList &lines, const VocabularyNames &vocabulary,
                                    const QStringList &lstProc, const QList<NavigatorNode> &nodes) {
    const DeclaredNames declared(lstProc);
    const ScopeIndex scope(nodes);
    UndefinedSearchResult result;
    QString procedure; // kept from line to line until an "ENDP" or the next "PROC "
    const NameSet *members = scope.membersOf(procedure);
    std::u16string textBuffer;
    std::u16string foldBuffer;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringView line = lines[i];
        const qsizetype rem = AsciiCase::indexOf(line, QLatin1StringView("REM"));
        if (rem >= 0)
            line = line.first(rem);
        bool changed = false;
        if (AsciiCase::equals(line, QLatin1StringView("ENDP"))) {
            procedure.clear();
            changed = true;
        }
        const qsizetype proc = AsciiCase::indexOf(line, QLatin1StringView("PROC "));
        if (proc >= 0) {
            procedure = procedureName(line.sliced(proc + 5));
            changed = true;
        }
        if (changed)
            members = scope.membersOf(procedure);
        const QStringView text = dropStrings(line, textBuffer);

        qsizetype start = 0;
        for (qsizetype end = 0; end <= text.size(); ++end) {
            if (end < text.size() && !isSeparator(text[end]))
                continue;
            // Numbers, and anything else that does not start with a letter or the like.
            if (end > start && text[start].unicode() >= 65) {
                const QStringView word = text.sliced(start, end - start);
                if (IsNameFree(word, vocabulary, declared, foldBuffer) &&
                    !scope.isDeclared(word, members))
                    result.findings.append(UndefinedFinding{int(i), word.toString()});
            }
            start = end + 1;
        }
    }
    result.found = !result.findings.isEmpty();
    result.message = AnalysisTexts::searchUndefined() + AnalysisTexts::isComplete();
    if (result.found)
        result.message +=
            AnalysisTexts::unknownFound() +
            QStringLiteral("\r\n\r\n%1 unknown elements were found.").arg(result.findings.size());
    return result;
}
