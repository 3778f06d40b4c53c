#include "analysis/source_scanner.h"

#include "analysis/analysis_texts.h"
#include "analysis/ascii_case.h"
#include "analysis/line_keywords.h"
#include "document/text_codec.h"

#include <algorithm>

using Origin = ScanBuilder::Origin;
using Kw = LineKeywords;

namespace {

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

} // namespace

SourceScanner::SourceScanner(const VocabularyNames &vocabulary, const QString &includeFolder,
                             IncludeReader readFile, const QString &caption)
    : m_vocabulary(vocabulary), m_includeFolder(includeFolder),
      m_readFile(readFile ? std::move(readFile) : IncludeReader(&IncludeFile::read)),
      m_caption(caption) {}

SourceScanner::~SourceScanner() = default;

ScanResult SourceScanner::scan(const QStringList &lines) {
    if (lines.size() < 2)
        return {};
    const bool labels = std::any_of(lines.begin(), lines.end(), isLabelLine);
    const bool globals = std::any_of(lines.begin(), lines.end(), mentionsGlobal);
    m_builder = std::make_unique<ScanBuilder>(m_vocabulary, m_caption, labels, globals);
    m_inDeclareBlock = false;
    for (qsizetype i = 0; i < lines.size(); ++i)
        scanLine(lines[i], int(i));
    ScanResult result = m_builder->finish();
    m_builder.reset();
    return result;
}

void SourceScanner::scanLine(QStringView line, int index) {
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
        const QString name = AsciiCase::withoutBlanks(keywords.rest(line, Kw::Use));
        if (name.size() == 1)
            m_builder->addMember(name, index);
    }
    if (AsciiCase::equals(line, QLatin1StringView("ENDP")))
        m_builder->endProcedure();
    if (keywords.has(Kw::Proc)) {
        const QString text = AsciiCase::withoutBlanks(keywords.rest(line, Kw::Proc));
        const qsizetype colon = text.indexOf(u':');
        const QString name = colon < 0 ? text : text.first(colon);
        const QString parameters =
            colon < 0 ? QString() : text.sliced(colon + 1).section(u':', 0, 0);
        if (!name.isEmpty())
            m_builder->addProcedure(name + u':', parameters, index);
    }
    declareBlock(keywords);
    if (m_inDeclareBlock && line.contains(u':'))
        addOpxFunction(line, Origin::Document, index);
    if (line.contains(QStringView(u"::")))
        addLabel(line);
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
    if (m_inDeclareBlock && line.contains(u':'))
        addOpxFunction(line, Origin::Included, includeLine);
}

void SourceScanner::declareBlock(const LineKeywords &keywords) {
    if (keywords.has(Kw::DeclareOpx))
        m_inDeclareBlock = true;
    if (keywords.has(Kw::EndDeclare))
        m_inDeclareBlock = false;
}

void SourceScanner::addVariables(QStringView rest, bool global, int index) {
    const QString text = AsciiCase::withoutBlanks(rest);
    for (QStringView item : QStringView(text).split(u',')) {
        const qsizetype colon = item.indexOf(u':');
        if (colon >= 0)
            item = item.first(colon);
        const qsizetype paren = item.indexOf(u'(');
        std::optional<QString> bounds;
        if (paren >= 0) {
            bounds = item.sliced(paren + 1).toString();
            item = item.first(paren);
        } else if (item.contains(u')')) {
            continue; // the tail of a multi-dimensional array: "3)" of "a%(2,3)"
        }
        if (global)
            m_builder->addGlobal(item.toString(), bounds, index);
        else
            m_builder->addMember(item.toString(), index);
    }
}

void SourceScanner::addConstant(QStringView rest, Origin origin, int index) {
    const QString text = AsciiCase::withoutBlanks(rest);
    const qsizetype equals = text.indexOf(u'=');
    if (equals >= 0)
        m_builder->addConstant(text.first(equals), origin, index);
}

void SourceScanner::addLogicalFile(QStringView rest, int index) {
    const QString text = AsciiCase::withoutBlanks(rest);
    const QList<QStringView> parts = QStringView(text).split(u',');
    if (parts.size() >= 3)
        m_builder->addMember(parts[1].toString(), index);
}

void SourceScanner::addOpxFunction(QStringView line, Origin origin, int index) {
    const QString text = AsciiCase::withoutBlanksAndTabs(line);
    const QList<QStringView> parts = QStringView(text).split(u':');
    if (parts[0].isEmpty())
        return;
    m_builder->addOpxFunction(parts[0].toString() + u':', parts[1].toString(), origin, index);
}

void SourceScanner::addLabel(QStringView line) {
    const QStringView before = line.first(line.indexOf(QStringView(u"::")));
    const QString label = AsciiCase::withoutBlanksAndTabs(before) + QStringLiteral("::");
    if (AsciiCase::contains(label, QLatin1StringView("ONERR")) ||
        AsciiCase::contains(label, QLatin1StringView("GOTO")) || label.contains(u'"'))
        return;
    m_builder->addLabel(label);
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

ScanResult scanSource(const QStringList &lines, const VocabularyNames &vocabulary,
                      const QString &includeFolder, const IncludeReader &readFile,
                      const QString &caption) {
    return SourceScanner(vocabulary, includeFolder, readFile, caption).scan(lines);
}
