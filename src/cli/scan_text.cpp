#include "cli/scan_text.h"

#include "analysis/navigator_keys.h"

#include <QHash>
#include <algorithm>

namespace {

QString oneLine(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

QString located(const FileScan &file, int line, const QString &text) {
    // One arg() call, so a "%1" in a file name is not filled in again.
    return QStringLiteral("%1:%2: %3").arg(file.name, QString::number(line + 1), text);
}

} // namespace

namespace ScanText {

QStringList outline(const QList<NavigatorNode> &nodes) {
    QHash<QString, QList<qsizetype>> children; // by parent key, in insertion order
    for (qsizetype i = 0; i < nodes.size(); ++i)
        children[nodes[i].parentKey].append(i);

    QList<qsizetype> top = children.value(QString());
    const QString labelsKey = NavigatorKeys::topLevel(NavigatorKeys::kLabels);
    const auto labels = std::find_if(top.begin(), top.end(),
                                     [&](qsizetype i) { return nodes[i].key == labelsKey; });
    if (labels != top.end() && labels != top.begin()) {
        const qsizetype index = *labels;
        top.erase(labels);
        top.insert(1, index);
    }

    QStringList lines;
    auto add = [&](auto &self, qsizetype i, int depth) -> void {
        lines.append(QString(depth * 2, u' ') + nodes[i].text);
        for (qsizetype child : children.value(nodes[i].key))
            self(self, child, depth + 1);
    };
    for (qsizetype i : top)
        add(add, i, 0);
    return lines;
}

QStringList findings(const FileScan &file) {
    QStringList lines;
    for (const ScanReport &report : file.scan.reports)
        lines.append(located(file, report.line, oneLine(report.message)));
    if (file.undefined)
        for (const UndefinedFinding &finding : file.undefined->findings)
            lines.append(located(file, finding.line,
                                 QStringLiteral("undefined name '%1'").arg(finding.word)));
    return lines;
}

QString format(const FileScan &file) {
    QString text;
    for (const QString &line : outline(file.scan.nodes) + findings(file))
        text += line + u'\n';
    return text;
}

} // namespace ScanText
