#include "cli/scan_json.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace {

QJsonArray strings(const QStringList &list) {
    return QJsonArray::fromStringList(list);
}

QString kindName(ScanReport::Kind kind) {
    switch (kind) {
    case ScanReport::Kind::DuplicateName:
    case ScanReport::Kind::IncludedDuplicateName:
        return QStringLiteral("duplicate");
    case ScanReport::Kind::MissingInclude:
    case ScanReport::Kind::UnreadableInclude:
        break;
    }
    // A header that exists but cannot be read is as missing to the scan; its text says why.
    return QStringLiteral("missing-include");
}

} // namespace

namespace ScanJson {

QJsonObject toObject(const FileScan &file) {
    const ScanResult &scan = file.scan;
    QJsonArray nodes;
    for (const NavigatorNode &node : scan.nodes)
        nodes.append(QJsonObject{
            {QStringLiteral("key"), node.key},
            {QStringLiteral("parent"), node.parentKey},
            {QStringLiteral("text"), node.text},
        });
    QJsonArray completions;
    for (const CompletionEntry &entry : scan.completions)
        completions.append(QJsonObject{
            {QStringLiteral("name"), entry.name},
            {QStringLiteral("params"), entry.params},
            {QStringLiteral("icon"), entry.icon},
            {QStringLiteral("description"), entry.description},
        });
    QJsonArray reports;
    for (const ScanReport &report : scan.reports)
        reports.append(QJsonObject{
            {QStringLiteral("kind"), kindName(report.kind)},
            {QStringLiteral("line"), report.line + 1},
            {QStringLiteral("text"), report.message},
        });

    QJsonObject object{
        {QStringLiteral("file"), file.absolutePath},
        {QStringLiteral("nodes"), nodes},
        {QStringLiteral("declared"), strings(scan.lstProc)},
        {QStringLiteral("words"),
         QJsonObject{
             {QStringLiteral("variables"), strings(scan.variables)},
             {QStringLiteral("labels"), strings(scan.labels)},
             {QStringLiteral("constants"), strings(scan.constants)},
             {QStringLiteral("functions"), strings(scan.functions)},
         }},
        {QStringLiteral("completions"), completions},
        {QStringLiteral("reports"), reports},
    };
    if (file.undefined) {
        QJsonArray undefined;
        for (const UndefinedFinding &finding : file.undefined->findings)
            undefined.append(QJsonObject{
                {QStringLiteral("line"), finding.line + 1},
                {QStringLiteral("word"), finding.word},
            });
        object.insert(QStringLiteral("undefined"), undefined);
        object.insert(QStringLiteral("message"), file.undefined->message);
    }
    return object;
}

QByteArray line(const FileScan &file) {
    return QJsonDocument(toObject(file)).toJson(QJsonDocument::Compact);
}

} // namespace ScanJson
