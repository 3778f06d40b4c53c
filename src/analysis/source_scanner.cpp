#include "analysis/source_scanner.h"

#include "analysis/analysis_texts.h"
#include "analysis/ascii_case.h"
#include "analysis/line_keywords.h"
#include "base/text_codec.h"

using Origin = ScanBuilder::Origin;
using Kw = LineKeywords;

namespace {

// Longer parts of a line are copied out and the buffer given back before they are handed on.
constexpr qsizetype kShortItem = 4096;

// The label pre-pass: the line holds "::" once blanks and tabs are gone, and no quote.
bool isLabelLine(QStringView line) {
    bool afterColon = false;
    bool found = false;
    for (QChar c : line) {
        if (c == u'"')
            return false;
        if (c == u' ' || c == u'\t')
            continue;
        found = found || (afterColon && c == u':');
        afterColon = c == u':';
    }
    return found;
}

bool mentionsGlobal(QStringView line) {
    return AsciiCase::contains(line, QLatin1StringView("GLOBAL "));
}

// Calls `visit` with each part of `text` between `separator`s, empty parts included.
template <typename Visit> void forEachPart(QStringView text, char16_t separator, Visit visit) {
    qsizetype start = 0;
    for (qsizetype at = AsciiCase::indexOfChar(text, separator); at >= 0;
         at = AsciiCase::indexOfChar(text, separator, start)) {
        visit(text.sliced(start, at - start));
        start = at + 1;
    }
    visit(text.sliced(start));
}

// Keeps what a scan finds, as the window applies it in one go.
class ResultSink : public ScanSink {
public:
    explicit ResultSink(ScanResult &result) : m_result(result) {}

    void node(const QString &parentKey, QString key, QString text, int line) override {
        m_result.nodes.append(NavigatorNode{std::move(key), parentKey, std::move(text)});
        m_result.nodeLines.append(line);
    }
    void completion(const QString &name, QString params, int icon, QString description) override {
        m_result.completions.append(
            CompletionEntry{name, std::move(params), icon, std::move(description)});
    }
    void report(const ScanReport &report) override { m_result.reports.append(report); }
    void word(Words list, const QString &word) override { m_result.words(list).append(word); }
    void declared(const QString &name) override { m_result.lstProc.append(name); }

private:
    ScanResult &m_result;
};

} // namespace

SourceScanner::SourceScanner(const VocabularyNames &vocabulary, const QString &includeFolder,
                             IncludeReader readFile, const QString &caption)
    : m_vocabulary(vocabulary), m_includeFolder(includeFolder),
      m_readFile(readFile ? std::move(readFile) : IncludeReader(&IncludeFile::read)),
      m_caption(caption) {}

SourceScanner::~SourceScanner() = default;

ScanResult SourceScanner::scan(const SourceLines &lines) {
    ScanResult result;
    ResultSink sink(result);
    result.rebuilt = lines.hasSecondLine();
    scan(lines, sink);
    return result;
}

DeclaredNames SourceScanner::scan(const SourceLines &lines, ScanSink &sink) {
    if (!lines.hasSecondLine())
        return {};
    bool labels = false;
    bool globals = false;
    lines.forEach([&](QStringView line, qsizetype) {
        labels = labels || isLabelLine(line);
        globals = globals || mentionsGlobal(line);
        return !(labels && globals);
    });
    m_builder = std::make_unique<ScanBuilder>(m_vocabulary, sink, m_caption, labels, globals);
    m_inDeclareBlock = false;
    lines.forEach([this](QStringView line, qsizetype index) {
        scanLine(line, int(index));
        return true;
    });
    DeclaredNames declared = m_builder->finish();
    m_builder.reset();
    return declared;
}

void SourceScanner::scanLine(QStringView line, int index) {
    m_builder->setLine(index);
    LineKeywords keywords(line);
    // A comment is cut wherever "REM " stands, inside words and strings too.
    if (keywords.has(Kw::Rem)) {
        line = line.first(keywords.position(Kw::Rem));
        keywords.cutAt(line.size());
    }
    if (keywords.has(Kw::Global))
        addVariables(keywords.rest(line, Kw::Global), true, index);
    if (keywords.has(Kw::Const))
        addConstant(keywords.rest(line, Kw::Const), Origin::Document, index);
    if (keywords.has(Kw::Local))
        addVariables(keywords.rest(line, Kw::Local), false, index);
    if (keywords.has(Kw::Include)) {
        // Whatever else the line holds is taken as part of the file name.
        followInclude(keywords.rest(line, Kw::Include), index);
        return;
    }
    for (Kw::Keyword open : {Kw::Open, Kw::OpenR, Kw::Create})
        if (keywords.has(open))
            addLogicalFile(keywords.rest(line, open), index);
    if (keywords.has(Kw::Use)) {
        const QStringView name = AsciiCase::withoutBlanks(keywords.rest(line, Kw::Use), m_buffer);
        if (name.size() == 1)
            m_builder->addMember(name, index);
    }
    if (AsciiCase::equals(line, QLatin1StringView("ENDP")))
        m_builder->endProcedure();
    if (keywords.has(Kw::Proc)) {
        // Into a string of its own: the parameters are cut from it in place, so a line of
        // millions of parameters is not held twice more.
        QString text = AsciiCase::withoutBlanks(keywords.rest(line, Kw::Proc));
        const qsizetype colon = AsciiCase::indexOfChar(text, u':');
        if (colon != 0 && !text.isEmpty()) {
            // The name keeps its colon, or gets one.
            QString name = colon < 0 ? text + u':' : text.first(colon + 1);
            QString parameters;
            if (colon >= 0) {
                parameters = std::move(text);
                parameters.remove(0, colon + 1);
                if (const qsizetype end = AsciiCase::indexOfChar(parameters, u':'); end >= 0)
                    parameters.truncate(end);
            }
            m_builder->addProcedure(std::move(name), parameters, index);
        }
    }
    declareBlock(keywords);
    if (m_inDeclareBlock && keywords.firstColon() >= 0)
        addOpxFunction(line, Origin::Document, index);
    if (const qsizetype at = keywords.firstDoubleColon(); at >= 0)
        addLabel(line.first(at));
}

void SourceScanner::scanIncludedLine(QStringView line, int includeLine) {
    LineKeywords keywords(line);
    if (keywords.has(Kw::Rem)) {
        line = line.first(keywords.position(Kw::Rem));
        keywords.cutAt(line.size());
    }
    if (keywords.has(Kw::Const))
        addConstant(keywords.rest(line, Kw::Const), Origin::Included, includeLine);
    declareBlock(keywords);
    if (m_inDeclareBlock && keywords.firstColon() >= 0)
        addOpxFunction(line, Origin::Included, includeLine);
}

void SourceScanner::releaseBuffer() {
    // The parts of ordinary lines are short; what a very long one made the buffer is given
    // back before its copies are handed on.
    if (m_buffer.capacity() > std::size_t(kShortItem))
        std::u16string().swap(m_buffer);
}

void SourceScanner::declareBlock(const LineKeywords &keywords) {
    if (keywords.has(Kw::DeclareOpx))
        m_inDeclareBlock = true;
    if (keywords.has(Kw::EndDeclare))
        m_inDeclareBlock = false;
}

void SourceScanner::addVariables(QStringView rest, bool global, int index) {
    // Blanks go item by item: a list of millions of items needs no copy of the whole.
    forEachPart(rest, u',', [&](QStringView item) {
        item = AsciiCase::withoutBlanks(item, m_buffer);
        const qsizetype colon = AsciiCase::indexOfChar(item, u':');
        if (colon >= 0)
            item = item.first(colon);
        const qsizetype paren = AsciiCase::indexOfChar(item, u'(');
        QStringView bounds;
        if (paren >= 0) {
            bounds = item.sliced(paren + 1);
            item = item.first(paren);
        } else if (AsciiCase::indexOfChar(item, u')') >= 0) {
            return; // the tail of a multi-dimensional array: "3)" of "a%(2,3)"
        }
        if (item.isEmpty())
            return;
        if (!global && item.size() <= kShortItem) {
            m_builder->addMember(item, index); // a repeated name is not copied again
            return;
        }
        QString name = item.toString();
        std::optional<QString> arrayBounds;
        if (global && paren >= 0)
            arrayBounds = bounds.toString();
        releaseBuffer();
        if (global)
            m_builder->addGlobal(std::move(name), arrayBounds, index);
        else
            m_builder->addMember(name, index);
    });
}

void SourceScanner::addConstant(QStringView rest, Origin origin, int index) {
    const QStringView text = AsciiCase::withoutBlanks(rest, m_buffer);
    const qsizetype equals = AsciiCase::indexOfChar(text, u'=');
    if (equals >= 0)
        m_builder->addConstant(text.first(equals).toString(), origin, index);
}

void SourceScanner::addLogicalFile(QStringView rest, int index) {
    const QStringView text = AsciiCase::withoutBlanks(rest, m_buffer);
    const qsizetype first = AsciiCase::indexOfChar(text, u',');
    const qsizetype second = first < 0 ? -1 : AsciiCase::indexOfChar(text, u',', first + 1);
    if (second >= 0)
        m_builder->addMember(text.sliced(first + 1, second - first - 1), index);
}

void SourceScanner::addOpxFunction(QStringView line, Origin origin, int index) {
    const QStringView text = AsciiCase::withoutBlanksAndTabs(line, m_buffer);
    const qsizetype colon = AsciiCase::indexOfChar(text, u':');
    if (colon <= 0)
        return;
    QStringView parameters = text.sliced(colon + 1);
    if (const qsizetype end = AsciiCase::indexOfChar(parameters, u':'); end >= 0)
        parameters = parameters.first(end);
    m_builder->addOpxFunction(text.first(colon + 1).toString(), parameters.toString(), origin,
                              index);
}

void SourceScanner::addLabel(QStringView before) {
    const QStringView name = AsciiCase::withoutBlanksAndTabs(before, m_buffer);
    if (AsciiCase::contains(name, QLatin1StringView("ONERR")) ||
        AsciiCase::contains(name, QLatin1StringView("GOTO")) ||
        AsciiCase::indexOfChar(name, u'"') >= 0)
        return;
    QString label;
    label.reserve(name.size() + 2);
    m_builder->addLabel(label.append(name).append(QLatin1StringView("::")));
}

void SourceScanner::followInclude(QStringView rest, int index) {
    QString name = rest.toString();
    name.remove(u'"');
    const QString path = m_includeFolder + u'/' + name;
    IncludeFile file = m_readFile(path);
    if (file.status != IncludeFile::Status::Read) {
        ScanReport report;
        const bool missing = file.status == IncludeFile::Status::NotAFile;
        report.kind =
            missing ? ScanReport::Kind::MissingInclude : ScanReport::Kind::UnreadableInclude;
        report.line = index;
        report.subject = path;
        report.message =
            path + QStringLiteral("\r\n") + (missing ? AnalysisTexts::fileNotFound() : file.error);
        m_builder->addReport(report);
        return;
    }
    const QString text = IncludeFile::clean(std::move(file.text));
    TextCodec::forEachLine(text, [&](QStringView line) { scanIncludedLine(line, index); });
}

ScanResult scanSource(const SourceLines &lines, const VocabularyNames &vocabulary,
                      const QString &includeFolder, const IncludeReader &readFile,
                      const QString &caption) {
    return SourceScanner(vocabulary, includeFolder, readFile, caption).scan(lines);
}

DeclaredNames scanSource(const SourceLines &lines, const VocabularyNames &vocabulary,
                         const QString &includeFolder, const IncludeReader &readFile,
                         const QString &caption, ScanSink &sink) {
    return SourceScanner(vocabulary, includeFolder, readFile, caption).scan(lines, sink);
}
