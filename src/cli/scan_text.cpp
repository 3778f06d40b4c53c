#include "cli/scan_text.h"

#include "analysis/navigator_keys.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace {

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

void writeLocated(QTextStream &out, const FileScan &file, int line) {
    out << file.name << u':' << (line + 1) << QStringLiteral(": ");
}

} // namespace

namespace ScanText {

void writeOutline(QTextStream &out, const QList<NavigatorNode> &nodes) {
    // The children of each parent key, in insertion order, as a chain through `next`: one
    // number per node instead of a list per parent, and a table only as long as the parents.
    struct Chain {
        qsizetype first = -1, last = -1;
    };
    QHash<QString, Chain> children;
    std::vector<qsizetype> next(std::size_t(nodes.size()), -1);
    for (qsizetype i = 0; i < nodes.size(); ++i) {
        Chain &chain = children[nodes[i].parentKey];
        (chain.last < 0 ? chain.first : next[std::size_t(chain.last)]) = i;
        chain.last = i;
    }

    QList<qsizetype> top;
    for (qsizetype i = children.value(QString()).first; i >= 0; i = next[std::size_t(i)])
        top.append(i);
    const QString labelsKey = NavigatorKeys::topLevel(NavigatorKeys::kLabels);
    const auto labels = std::find_if(top.begin(), top.end(),
                                     [&](qsizetype i) { return nodes[i].key == labelsKey; });
    if (labels != top.end() && labels != top.begin()) {
        const qsizetype index = *labels;
        top.erase(labels);
        top.insert(1, index);
    }

    auto add = [&](auto &self, qsizetype i, int depth) -> void {
        for (int blank = 0; blank < depth * 2; ++blank)
            out << u' ';
        out << nodes[i].text << u'\n';
        const auto chain = children.constFind(nodes[i].key);
        if (chain == children.cend())
            return;
        for (qsizetype child = chain->first; child >= 0; child = next[std::size_t(child)])
            self(self, child, depth + 1);
    };
    for (qsizetype i : top)
        add(add, i, 0);
}

bool writeFindings(QTextStream &out, const FileScan &file) {
    for (const ScanReport &report : file.scan.reports) {
        writeLocated(out, file, report.line);
        out << oneLine(report.message) << u'\n';
    }
    bool found = false;
    if (file.undefined)
        file.undefined([&](int line, QStringView word) {
            found = true;
            writeLocated(out, file, line);
            out << QStringLiteral("undefined name '") << word << QStringLiteral("'\n");
            return out.status() == QTextStream::Ok;
        });
    return found;
}

bool write(QTextStream &out, const FileScan &file) {
    writeOutline(out, file.scan.nodes);
    return writeFindings(out, file);
}

} // namespace ScanText
