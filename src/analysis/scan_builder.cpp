#include "analysis/scan_builder.h"

#include "analysis/analysis_texts.h"
#include "analysis/navigator_keys.h"

#include <algorithm>

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

bool ScanBuilder::claim(QStringView name, Origin origin, int line) {
    if (IsNameFree(name, m_vocabulary, m_declared, m_foldBuffer))
        return true;
    ScanReport report;
    report.kind = origin == Origin::Document ? ScanReport::Kind::DuplicateName
                                             : ScanReport::Kind::IncludedDuplicateName;
    report.line = line;
    report.subject = name.toString();
    report.message =
        AnalysisTexts::name() + u' ' + report.subject + u' ' + AnalysisTexts::allreadyReserved();
    m_sink.report(report);
    return false;
}

void ScanBuilder::addNode(const QString &parentKey, QString key, QString text) {
    m_sink.node(parentKey, std::move(key), std::move(text), parentKey.isEmpty() ? -1 : m_line);
}

void ScanBuilder::declare(const QString &name) {
    m_declared.addUnlisted(name);
    m_sink.declared(name);
}

void ScanBuilder::addGlobal(QString name, const std::optional<QString> &bounds, int line) {
    if (name.isEmpty() || !claim(name, Origin::Document, line))
        return;
    m_sink.word(ScanSink::Words::Variables, name);
    declare(name);
    if (bounds) {
        QString parameters = QStringLiteral("(0 ... ") + *bounds;
        if (!bounds->contains(u')'))
            parameters += u')';
        addCompletion(name, std::move(parameters), kVariableIcon,
                      QStringLiteral("User array ") + name);
    } else {
        addCompletion(name, {}, kVariableIcon, QStringLiteral("User variable ") + name);
    }
    addNode(m_topKeys.globals, Keys::symbol(Keys::kGlobals, ++m_globalCount), std::move(name));
}

void ScanBuilder::addConstant(QString name, Origin origin, int line) {
    if (name.isEmpty() || !claim(name, origin, line))
        return;
    m_sink.word(ScanSink::Words::Constants, name);
    declare(name);
    QString description = origin == Origin::Document ? QStringLiteral("Constants ") + name
                                                     : QStringLiteral("OPX INCLUDED CONST ") + name;
    addCompletion(name, {}, kVariableIcon, std::move(description));
    addNode(m_topKeys.constants, Keys::symbol(Keys::kConstants, ++m_constCount), std::move(name));
}

template <typename Text> void ScanBuilder::addMember(const Text &name, int line) {
    if (!name.isEmpty() && claim(name, Origin::Document, line))
        addChild(name);
}

template void ScanBuilder::addMember(const QStringView &, int);
template void ScanBuilder::addMember(const QString &, int);

template <typename Text> void ScanBuilder::addChild(const Text &text) {
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
    // The brackets go; the parts between commas are the parameters, empty ones skipped.
    const auto isBracket = [](QChar c) {
        return c == u'(' || c == u')';
    };
    if (!parameters.contains(u',') &&
        std::none_of(parameters.begin(), parameters.end(), isBracket)) {
        // A list of one parameter is the text itself, not a copy of it.
        if (!parameters.isEmpty())
            addChild(parameters);
        return;
    }
    qsizetype start = 0;
    while (start < parameters.size()) {
        qsizetype end = parameters.indexOf(u',', start);
        if (end < 0)
            end = parameters.size();
        QStringView part = QStringView(parameters).sliced(start, end - start);
        if (std::any_of(part.begin(), part.end(), isBracket)) {
            m_partBuffer.clear();
            for (const QChar c : part)
                if (!isBracket(c))
                    m_partBuffer.push_back(c.unicode());
            part = QStringView(m_partBuffer.data(), qsizetype(m_partBuffer.size()));
        }
        if (!part.isEmpty())
            addChild(part);
        start = end + 1;
    }
    if (m_partBuffer.capacity() > 4096) // what one very long parameter needed
        std::u16string().swap(m_partBuffer);
}

void ScanBuilder::addOwner(QString name) {
    m_procKey = Keys::symbol(Keys::kProcedures, ++m_procCount);
    m_usedChildNumbers.clear();
    m_owner = Owner::Accepted;
    addNode(m_topKeys.procedures, m_procKey, std::move(name));
}

void ScanBuilder::addProcedure(QString name, const QString &parameters, int line) {
    if (!claim(name, Origin::Document, line)) {
        m_owner = Owner::Rejected;
        return;
    }
    m_sink.word(ScanSink::Words::Functions, name);
    declare(name);
    addCompletion(name, parameters, kFunctionIcon, QStringLiteral("User function ") + name);
    addOwner(std::move(name));
    addParameters(parameters);
}

void ScanBuilder::addOpxFunction(QString name, const QString &parameters, Origin origin, int line) {
    if (!claim(name, origin, line)) {
        m_owner = Owner::Rejected;
        return;
    }
    m_sink.word(ScanSink::Words::Functions, name);
    declare(name);
    QString description = origin == Origin::Document
                              ? QStringLiteral("OPX DECLARED function ") + name
                              : QStringLiteral("OPX INCLUDED function ") + name;
    addCompletion(name, parameters, kFunctionIcon, std::move(description));
    addOwner(std::move(name));
    m_subCount = 0;
    addParameters(parameters);
}

void ScanBuilder::addLabel(QString label) {
    // A label on a line the pre-pass passed over (a quote after the "::") still needs its
    // group; it is made here, late, and the window shows it second all the same.
    if (!m_labelsNode) {
        m_labelsNode = true;
        addNode({}, m_topKeys.labels, AnalysisTexts::labels());
    }
    m_sink.word(ScanSink::Words::Labels, label);
    addCompletion(label, {}, kLabelIcon, QStringLiteral("Label ") + label);
    addNode(m_topKeys.labels, Keys::symbol(Keys::kLabels, ++m_labelCount), std::move(label));
}

DeclaredNames ScanBuilder::finish() {
    if (!m_labelsNode)
        m_sink.word(ScanSink::Words::Labels, QStringLiteral("samplelabel"));
    return std::move(m_declared);
}
