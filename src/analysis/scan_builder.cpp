#include "analysis/scan_builder.h"

#include "analysis/analysis_texts.h"
#include "analysis/navigator_keys.h"

namespace Keys = NavigatorKeys;

namespace {

constexpr int kVariableIcon = 23;
constexpr int kFunctionIcon = 9;
constexpr int kLabelIcon = 12;

} // namespace

ScanBuilder::ScanBuilder(const VocabularyNames &vocabulary, ScanSink &sink, const QString &caption,
                         bool labelsNode, bool globalsNode)
    : m_vocabulary(vocabulary),
      m_sink(sink), m_topKeys{Keys::topLevel(Keys::kLabels), Keys::topLevel(Keys::kGlobals),
                              Keys::topLevel(Keys::kConstants), Keys::topLevel(Keys::kProcedures)},
      m_labelsNode(labelsNode) {
    addNode({}, Keys::topLevel(Keys::kProject),
            AnalysisTexts::project() + QStringLiteral(" -> ") + caption);
    // Without a label the labels list holds its placeholder alone; finish() hands it on, as
    // a label met late takes its place.
    if (labelsNode)
        addNode({}, m_topKeys.labels, AnalysisTexts::labels());
    if (globalsNode)
        addNode({}, m_topKeys.globals, AnalysisTexts::globalVariables());
    else
        m_sink.word(ScanSink::Words::Variables, QStringLiteral("samplevar"));
    addNode({}, m_topKeys.constants, AnalysisTexts::constants());
    m_sink.word(ScanSink::Words::Constants, QStringLiteral("sampleconst"));
    m_sink.word(ScanSink::Words::Functions, QStringLiteral("samplefunc"));
    addNode({}, m_topKeys.procedures, AnalysisTexts::procedures());
}

bool ScanBuilder::NumberRuns::contains(int number) const {
    for (const auto &[first, last] : m_runs)
        if (number >= first && number <= last)
            return true;
    return false;
}

void ScanBuilder::NumberRuns::insert(int number) {
    for (auto &run : m_runs)
        if (run.second + 1 == number) {
            run.second = number;
            return;
        }
    m_runs.emplace_back(number, number);
}

QString ScanBuilder::TextPool::shared(const QString &text) {
    constexpr std::size_t kMaxTexts = 4096;
    constexpr qsizetype kMaxLength = 64; // names that repeat are short; a long one is not held
    if (text.size() > kMaxLength)
        return text;
    if (const auto found = m_texts.find(QStringView(text)); found != m_texts.end())
        return *found;
    if (m_texts.size() < kMaxTexts)
        m_texts.insert(text);
    return text;
}

bool ScanBuilder::claim(const QString &name, Origin origin, int line) {
    if (IsNameFree(name, m_vocabulary, m_declared, m_foldBuffer))
        return true;
    ScanReport report;
    report.kind = origin == Origin::Document ? ScanReport::Kind::DuplicateName
                                             : ScanReport::Kind::IncludedDuplicateName;
    report.line = line;
    report.subject = name;
    report.message = AnalysisTexts::name() + u' ' + name + u' ' + AnalysisTexts::allreadyReserved();
    m_sink.report(report);
    return false;
}

void ScanBuilder::addNode(const QString &parentKey, const QString &key, const QString &text) {
    m_sink.node(parentKey, key, text, parentKey.isEmpty() ? -1 : m_line);
}

void ScanBuilder::declare(const QString &name) {
    m_declared.addUnlisted(name);
    m_sink.declared(name);
}

void ScanBuilder::addGlobal(const QString &name, const std::optional<QString> &bounds, int line) {
    if (name.isEmpty() || !claim(name, Origin::Document, line))
        return;
    m_sink.word(ScanSink::Words::Variables, name);
    declare(name);
    if (bounds) {
        QString parameters = QStringLiteral("(0 ... ") + *bounds;
        if (!bounds->contains(u')'))
            parameters += u')';
        addCompletion(name, parameters, kVariableIcon, QStringLiteral("User array ") + name);
    } else {
        addCompletion(name, {}, kVariableIcon, QStringLiteral("User variable ") + name);
    }
    addNode(m_topKeys.globals, Keys::symbol(Keys::kGlobals, ++m_globalCount), name);
}

void ScanBuilder::addConstant(const QString &name, Origin origin, int line) {
    if (name.isEmpty() || !claim(name, origin, line))
        return;
    m_sink.word(ScanSink::Words::Constants, name);
    declare(name);
    const QString description = origin == Origin::Document
                                    ? QStringLiteral("Constants ") + name
                                    : QStringLiteral("OPX INCLUDED CONST ") + name;
    addCompletion(name, {}, kVariableIcon, description);
    addNode(m_topKeys.constants, Keys::symbol(Keys::kConstants, ++m_constCount), name);
}

void ScanBuilder::addMember(const QString &name, int line) {
    if (name.isEmpty() || !claim(name, Origin::Document, line))
        return;
    addChild(name);
}

void ScanBuilder::addChild(const QString &text) {
    // Children of a rejected procedure, or before any, would land under a node they do not
    // belong to (or none); after a plain ENDP a key may already be taken. They get no node
    // and do not use up a number.
    if (m_owner != Owner::Accepted)
        return;
    if (m_usedChildNumbers.contains(m_subCount + 1))
        return;
    ++m_subCount;
    m_usedChildNumbers.insert(m_subCount);
    addNode(m_procKey, Keys::member(m_procCount, m_subCount), m_memberTexts.shared(text));
}

void ScanBuilder::addParameters(const QString &parameters) {
    QString list = parameters;
    if (list.contains(u'(') || list.contains(u')'))
        list.remove(u'(').remove(u')');
    // A list of one parameter is the text itself, not a copy of it.
    qsizetype start = 0;
    while (start < list.size()) {
        qsizetype end = list.indexOf(u',', start);
        if (end < 0)
            end = list.size();
        if (end > start)
            addChild(start == 0 && end == list.size() ? list : list.sliced(start, end - start));
        start = end + 1;
    }
}

void ScanBuilder::addOwner(const QString &name) {
    m_procKey = Keys::symbol(Keys::kProcedures, ++m_procCount);
    m_usedChildNumbers.clear();
    m_owner = Owner::Accepted;
    addNode(m_topKeys.procedures, m_procKey, name);
}

void ScanBuilder::addProcedure(const QString &name, const QString &parameters, int line) {
    if (!claim(name, Origin::Document, line)) {
        m_owner = Owner::Rejected;
        return;
    }
    m_sink.word(ScanSink::Words::Functions, name);
    declare(name);
    addCompletion(name, parameters, kFunctionIcon, QStringLiteral("User function ") + name);
    addOwner(name);
    addParameters(parameters);
}

void ScanBuilder::addOpxFunction(const QString &name, const QString &parameters, Origin origin,
                                 int line) {
    if (!claim(name, origin, line)) {
        m_owner = Owner::Rejected;
        return;
    }
    m_sink.word(ScanSink::Words::Functions, name);
    declare(name);
    const QString description = origin == Origin::Document
                                    ? QStringLiteral("OPX DECLARED function ") + name
                                    : QStringLiteral("OPX INCLUDED function ") + name;
    addCompletion(name, parameters, kFunctionIcon, description);
    addOwner(name);
    m_subCount = 0;
    addParameters(parameters);
}

void ScanBuilder::addLabel(const QString &label) {
    // A label on a line the pre-pass passed over (a quote after the "::") still needs its
    // group; it is made here, late, and the window shows it second all the same.
    if (!m_labelsNode) {
        m_labelsNode = true;
        addNode({}, m_topKeys.labels, AnalysisTexts::labels());
    }
    m_sink.word(ScanSink::Words::Labels, label);
    addCompletion(label, {}, kLabelIcon, QStringLiteral("Label ") + label);
    addNode(m_topKeys.labels, Keys::symbol(Keys::kLabels, ++m_labelCount), label);
}

DeclaredNames ScanBuilder::finish() {
    if (!m_labelsNode)
        m_sink.word(ScanSink::Words::Labels, QStringLiteral("samplelabel"));
    return std::move(m_declared);
}
