#include "cli/file_scan.h"

#include "analysis/navigator_keys.h"
#include "analysis/source_scanner.h"

#include <QDir>

qsizetype FileScan::undefinedCount() const {
    qsizetype count = 0;
    if (undefined)
        undefined([&count](int, QStringView) {
            ++count;
            return true;
        });
    return count;
}

namespace {

// The navigator as the search for undefined names asks it. Globals, constants and procedures
// stand in lstProc too, which the search asks first, so only their order is kept.
class ScopeSink : public ScanSink {
public:
    void node(const QString &, QString key, QString text, int) override {
        const bool symbol = NavigatorKeys::isSymbol(key);
        m_scope.add(key, text, symbol && NavigatorKeys::kind(key) != NavigatorKeys::kLabels);
    }
    const ScopeIndex &scope() const { return m_scope; }

private:
    ScopeIndex m_scope;
};

} // namespace

void FileScan::replay(ScanSink &sink) const {
    if (rescan) {
        rescan(sink);
        return;
    }
    for (qsizetype i = 0; i < scan.nodes.size(); ++i) {
        const NavigatorNode &node = scan.nodes[i];
        sink.node(node.parentKey, node.key, node.text, int(scan.nodeLines.value(i, -1)));
    }
    for (const CompletionEntry &entry : scan.completions)
        sink.completion(entry.name, entry.params, entry.icon, entry.description);
    for (const ScanReport &report : scan.reports)
        sink.report(report);
    using Words = ScanSink::Words;
    for (const Words list : {Words::Variables, Words::Labels, Words::Constants, Words::Functions})
        for (const QString &word : scan.words(list))
            sink.word(list, word);
    for (const QString &name : scan.lstProc)
        sink.declared(name);
}

FileScan FileScan::stream(const QString &name, const SourceLines &lines,
                          const VocabularyNames &vocabulary, const QString &includeFolder,
                          bool searchUndefined) {
    FileScan result;
    result.name = name;
    result.absolutePath = absolute(name);
    result.rescan = [lines, &vocabulary, includeFolder,
                     caption = result.absolutePath](ScanSink &sink) {
        return scanSource(lines, vocabulary, includeFolder, &IncludeFile::read, caption, sink);
    };
    if (searchUndefined)
        result.undefined = [lines, &vocabulary,
                            rescan = result.rescan](const UndefinedVisitor &visit) {
            ScopeSink scope;
            const DeclaredNames declared = rescan(scope);
            return ::searchUndefined(lines, vocabulary, declared, scope.scope(), visit);
        };
    return result;
}

QString FileScan::absolute(const QString &name) {
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}
