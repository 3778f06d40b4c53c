#include "lsp/document_analysis.h"

#include "analysis/line_keywords.h"
#include "analysis/navigator_keys.h"
#include "analysis/source_scanner.h"
#include "analysis/undefined_search.h"
#include "dialogs/reference_search.h"
#include "lsp/language_data.h"

#include <QRegularExpression>

namespace {

namespace Keys = NavigatorKeys;

// SymbolKind and DiagnosticSeverity numbers of the protocol.
enum SymbolKind { File = 1, Namespace = 3, Function = 12, Variable = 13, Constant = 14, Key = 20 };
enum Severity { Error = 1, Warning = 2 };

bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'$' || c == u'%' || c == u'&';
}

// A node's name as written in the source: procedures carry ":" and labels "::".
QStringView bareName(QStringView text) {
    while (text.endsWith(u':'))
        text.chop(1);
    return text;
}

// Where `name` stands as a whole word in `line` (ignoring case), from `from` on; -1 if nowhere.
qsizetype wordColumn(QStringView line, QStringView name, qsizetype from = 0) {
    if (name.isEmpty())
        return -1;
    for (qsizetype at = line.indexOf(name, from, Qt::CaseInsensitive); at >= 0;
         at = line.indexOf(name, at + 1, Qt::CaseInsensitive)) {
        const qsizetype end = at + name.size();
        if ((at == 0 || !isWordChar(line[at - 1])) &&
            (end >= line.size() || !isWordChar(line[end])))
            return at;
    }
    return -1;
}

// Where the search for undefined names ends a word, and a quote, which ends a string it drops.
bool endsFinding(QChar c) {
    return QStringView(u".;,()+-/*^[]<>= \t~\"").contains(c);
}

// The next place of a finding on its line, from `from` on, outside strings: findings come in
// the order of the line, so one forward walk per line finds them all. `inString` carries
// whether `from` lies inside a string. -1 when it is not there.
qsizetype findingColumn(QStringView line, QStringView word, qsizetype &from, bool &inString) {
    for (qsizetype at = line.indexOf(word, from); at >= 0; at = line.indexOf(word, from)) {
        inString ^= line.sliced(from, at - from).count(u'"') % 2 == 1;
        from = at + word.size();
        if (!inString && (at == 0 || endsFinding(line[at - 1])) &&
            (from == line.size() || endsFinding(line[from])))
            return at;
    }
    return -1;
}

QStringList headerLines(const QString &path) {
    IncludeFile file = IncludeFile::read(path);
    if (file.status != IncludeFile::Status::Read)
        return {};
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    return IncludeFile::clean(std::move(file.text)).split(lineEnd);
}

} // namespace

DocumentAnalysis::DocumentAnalysis(const LspDocument &document, const LanguageData &language,
                                   const QString &includeFolder, const QString &caption)
    : m_includeFolder(includeFolder) {
    const SourceLines lines{QStringView(document.text())};
    m_scan = scanSource(lines, language.names, includeFolder, &IncludeFile::read, caption);
    searchUndefined(lines, language.names, m_scan.lstProc, m_scan.nodes,
                    [this](int line, QStringView word) {
                        m_undefined.append(UndefinedFinding{line, word.toString()});
                        return m_undefined.size() < kMaxUndefined;
                    });
}

QJsonObject DocumentAnalysis::range(int line, int start, int end) {
    return {{QStringLiteral("start"),
             QJsonObject{{QStringLiteral("line"), line}, {QStringLiteral("character"), start}}},
            {QStringLiteral("end"),
             QJsonObject{{QStringLiteral("line"), line}, {QStringLiteral("character"), end}}}};
}

DocumentAnalysis::Declaration DocumentAnalysis::declarationOf(const LspDocument &document, int node,
                                                              bool intoHeaders, Walk *walk) const {
    const NavigatorNode &n = m_scan.nodes[node];
    const int lineIndex = qMax(0, m_scan.nodeLines.value(node));
    const QStringView line = document.line(lineIndex);
    const QStringView name = bareName(n.text);
    Walk single;
    if (!walk)
        walk = &single;
    if (walk->line != lineIndex)
        *walk = Walk{lineIndex, 0, LineKeywords(line).has(LineKeywords::Include)};
    Declaration result{{}, lineIndex, 0, int(line.size()), {}};
    if (walk->include && !Keys::isMember(n.key)) {
        if (!intoHeaders)
            return result;
        // A name from a header: its own line there. Headers are read once per analysis.
        const LineKeywords keywords(line);
        QString file = keywords.rest(line, LineKeywords::Include).toString();
        file.remove(u'"');
        const QString path = m_includeFolder + u'/' + file;
        const auto cached = m_headers.find(path);
        const QStringList &lines =
            cached != m_headers.end() ? *cached : *m_headers.insert(path, headerLines(path));
        for (qsizetype i = 0; i < lines.size(); ++i)
            if (const qsizetype at = wordColumn(lines[i], name); at >= 0)
                return {path, int(i), int(at), int(at + name.size()), lines[i]};
        return result;
    }
    if (const qsizetype at = wordColumn(line, name, walk->from); at >= 0) {
        result.start = int(at);
        result.end = int(at + name.size());
        walk->from = result.end;
    }
    return result;
}

QJsonObject DocumentAnalysis::symbol(const LspDocument &document, int node, int kind,
                                     const QString &detail, Walk &walk) const {
    // A name from a header is shown at its INCLUDE line: the outline is of this document.
    const Declaration at = declarationOf(document, node, false, &walk);
    const int length = int(document.line(at.line).size());
    QJsonObject symbol{{QStringLiteral("name"), m_scan.nodes[node].text},
                       {QStringLiteral("kind"), kind},
                       {QStringLiteral("range"), range(at.line, 0, length)},
                       {QStringLiteral("selectionRange"), range(at.line, at.start, at.end)}};
    if (!detail.isEmpty())
        symbol.insert(QStringLiteral("detail"), detail);
    return symbol;
}

QJsonArray DocumentAnalysis::documentSymbols(const LspDocument &document) const {
    // Groups in the navigator's order; each spans its members' lines.
    struct Group {
        QChar kind;
        QString text;
        QJsonArray children;
        int first = INT_MAX, last = -1;
    };
    QList<Group> groups{{Keys::kGlobals, {}, {}},
                        {Keys::kConstants, {}, {}},
                        {Keys::kLabels, {}, {}},
                        {Keys::kProcedures, {}, {}}};
    // Each procedure spans the lines up to the next one, so that its members lie inside it.
    struct Procedure {
        QJsonObject symbol;
        QJsonArray members;
        int line = 0;
    };
    QList<Procedure> procedures;
    bool procedureOpen = false;
    Walk walk;
    int filesLine = -1;
    bool opensFiles = false;
    for (int i = 0, shown = 0; i < m_scan.nodes.size(); ++i) {
        const NavigatorNode &node = m_scan.nodes[i];
        const int line = m_scan.nodeLines.value(i);
        if (Keys::isTopLevel(node.key)) {
            for (Group &group : groups)
                if (group.kind == Keys::kind(node.key))
                    group.text = node.text;
            continue;
        }
        if (++shown > kMaxSymbols)
            break;
        if (Keys::isMember(node.key)) {
            if (!procedureOpen)
                continue;
            if (line != filesLine) {
                // A line is looked at once, however many names it declares.
                const LineKeywords keywords(document.line(line));
                filesLine = line;
                opensFiles = keywords.has(LineKeywords::Open) ||
                             keywords.has(LineKeywords::OpenR) ||
                             keywords.has(LineKeywords::Create) || keywords.has(LineKeywords::Use);
            }
            const bool file = node.text.size() == 1 && opensFiles;
            const QString detail = file                             ? QStringLiteral("logical file")
                                   : line == procedures.last().line ? QStringLiteral("parameter")
                                                                    : QStringLiteral("local");
            procedures.last().members.append(
                symbol(document, i, file ? File : Variable, detail, walk));
            continue;
        }
        const QChar kind = Keys::kind(node.key);
        Group *group = nullptr;
        for (Group &candidate : groups)
            if (candidate.kind == kind)
                group = &candidate;
        if (!group)
            continue;
        group->first = qMin(group->first, line);
        group->last = qMax(group->last, line);
        if (kind == Keys::kProcedures) {
            procedures.append({symbol(document, i, Function, {}, walk), {}, line});
            procedureOpen = true;
        } else {
            group->children.append(symbol(document, i,
                                          kind == Keys::kGlobals     ? Variable
                                          : kind == Keys::kConstants ? Constant
                                                                     : Key,
                                          {}, walk));
        }
    }
    for (qsizetype p = 0; p < procedures.size(); ++p) {
        Procedure &procedure = procedures[p];
        const int end = p + 1 < procedures.size() ? qMax(procedure.line, procedures[p + 1].line - 1)
                                                  : qMax(procedure.line, document.lineCount() - 1);
        QJsonObject range = DocumentAnalysis::range(procedure.line, 0, 0);
        range.insert(QStringLiteral("end"),
                     QJsonObject{{QStringLiteral("line"), end},
                                 {QStringLiteral("character"), int(document.line(end).size())}});
        procedure.symbol.insert(QStringLiteral("range"), range);
        if (!procedure.members.isEmpty())
            procedure.symbol.insert(QStringLiteral("children"), procedure.members);
        groups[3].children.append(procedure.symbol);
        groups[3].last = qMax(groups[3].last, end);
    }
    QJsonArray result;
    for (const Group &group : groups) {
        if (group.children.isEmpty())
            continue;
        const int endLength = int(document.line(group.last).size());
        QJsonObject range = DocumentAnalysis::range(group.first, 0, endLength);
        range.insert(QStringLiteral("end"), QJsonObject{{QStringLiteral("line"), group.last},
                                                        {QStringLiteral("character"), endLength}});
        result.append(QJsonObject{
            {QStringLiteral("name"), group.text},
            {QStringLiteral("kind"), Namespace},
            {QStringLiteral("range"), range},
            {QStringLiteral("selectionRange"), DocumentAnalysis::range(group.first, 0, 0)},
            {QStringLiteral("children"), group.children}});
    }
    return result;
}

void DocumentAnalysis::workspaceSymbols(const LspDocument &document, const QString &uri,
                                        const QString &query, QJsonArray &into) const {
    Walk walk;
    for (int i = 0; i < m_scan.nodes.size(); ++i) {
        const NavigatorNode &node = m_scan.nodes[i];
        if (!Keys::isSymbol(node.key) || !node.text.contains(query, Qt::CaseInsensitive))
            continue;
        const QChar kind = Keys::kind(node.key);
        const Declaration at = declarationOf(document, i, true, &walk);
        const QString target = at.path.isEmpty() ? uri : QUrl::fromLocalFile(at.path).toString();
        into.append(QJsonObject{
            {QStringLiteral("name"), node.text},
            {QStringLiteral("kind"), kind == Keys::kProcedures  ? Function
                                     : kind == Keys::kGlobals   ? Variable
                                     : kind == Keys::kConstants ? Constant
                                                                : Key},
            {QStringLiteral("location"),
             QJsonObject{{QStringLiteral("uri"), target},
                         {QStringLiteral("range"), range(at.line, at.start, at.end)}}}});
    }
}

QJsonArray DocumentAnalysis::diagnostics(const LspDocument &document) const {
    QJsonArray result;
    const auto add = [&](int line, int start, int end, int severity, const QString &message) {
        result.append(QJsonObject{{QStringLiteral("range"), range(line, start, end)},
                                  {QStringLiteral("severity"), severity},
                                  {QStringLiteral("source"), QStringLiteral("tamro")},
                                  {QStringLiteral("message"), message}});
    };
    for (const ScanReport &report : m_scan.reports) {
        QString message = report.message;
        message.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        const QStringView line = document.line(report.line);
        qsizetype start = report.kind == ScanReport::Kind::DuplicateName
                              ? wordColumn(line, bareName(report.subject))
                              : -1;
        const bool word = start >= 0;
        add(report.line, word ? int(start) : 0,
            word ? int(start + bareName(report.subject).size()) : int(line.size()),
            report.kind == ScanReport::Kind::IncludedDuplicateName ? Warning : Error, message);
    }
    int previousLine = -1;
    qsizetype from = 0;
    bool inString = false;
    for (const UndefinedFinding &finding : m_undefined) {
        if (finding.line != previousLine) {
            from = 0;
            inString = false;
        }
        previousLine = finding.line;
        const QStringView line = document.line(finding.line);
        const qsizetype at = findingColumn(line, finding.word, from, inString);
        const int start = at < 0 ? 0 : int(at);
        const int end = at < 0 ? int(line.size()) : int(at + finding.word.size());
        add(finding.line, start, end, Warning,
            QStringLiteral("\"%1\" is not declared").arg(finding.word));
    }
    return result;
}

int DocumentAnalysis::nodeIndexFor(QStringView word, int line) const {
    // The procedure around `line`: the last one declared on or before it.
    QString owner;
    for (int i = 0; i < m_scan.nodes.size(); ++i) {
        const NavigatorNode &node = m_scan.nodes[i];
        if (m_scan.nodeLines[i] > line)
            break;
        if (Keys::kind(node.key) == Keys::kProcedures && Keys::isSymbol(node.key))
            owner = node.key;
    }
    int found = -1;
    for (int i = 0; i < m_scan.nodes.size(); ++i) {
        const NavigatorNode &node = m_scan.nodes[i];
        if (Keys::isTopLevel(node.key) || bareName(node.text).compare(word, Qt::CaseInsensitive))
            continue;
        if (Keys::isMember(node.key)) {
            if (node.parentKey == owner && !owner.isEmpty())
                return i;
        } else if (found < 0) {
            found = i;
        }
    }
    return found;
}

std::optional<DocumentAnalysis::Declaration>
DocumentAnalysis::declarationAt(const LspDocument &document, TextPosition position) const {
    const QString word = ReferenceSearch::wordAt(document.line(position.line), position.character);
    if (word.isEmpty())
        return std::nullopt;
    const int node = nodeIndexFor(word, position.line);
    if (node < 0)
        return std::nullopt;
    return declarationOf(document, node);
}
