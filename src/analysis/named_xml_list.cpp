#include "analysis/named_xml_list.h"

#include "analysis/analysis_texts.h"
#include "base/disk_file.h"

namespace NamedXmlList {

QString located(const QXmlStreamReader &xml, const QString &message) {
    return QStringLiteral("Line %1: %2").arg(xml.lineNumber()).arg(message);
}

QString read(const QByteArray &data, const Shape &shape, QString &name,
             const std::function<QString(QXmlStreamReader &)> &readChild) {
    QString problem;
    QXmlStreamReader xml(data);
    if (data.trimmed().isEmpty())
        return QStringLiteral("The file is empty.");
    if (!xml.readNextStartElement())
        return xml.hasError() ? located(xml, xml.errorString()) : shape.missingRootText;
    if (xml.name() != shape.root)
        return located(
            xml,
            QStringLiteral("expected <%1>, found <%2>").arg(shape.root, xml.name().toString()));
    name = xml.attributes().value(QStringLiteral("name")).toString();
    while (problem.isEmpty() && xml.readNextStartElement()) {
        if (xml.name() != shape.child)
            return located(xml, QStringLiteral("unexpected <%1>").arg(xml.name()));
        problem = readChild(xml);
    }
    if (problem.isEmpty() && xml.hasError())
        problem = located(xml, xml.errorString());
    if (!problem.isEmpty())
        return problem;
    // Nothing but comments and white space may follow the list.
    while (!xml.atEnd() && !xml.hasError())
        if (xml.readNext() == QXmlStreamReader::StartElement)
            return located(xml, QStringLiteral("unexpected <%1>").arg(xml.name()));
    return xml.hasError() ? located(xml, xml.errorString()) : QString();
}

std::optional<QByteArray> readFile(const QString &path, QString *error) {
    DiskFile::ReadResult file = DiskFile::read(path, kMaxFileBytes);
    if (file.status == DiskFile::ReadResult::Status::Read)
        return std::move(file.bytes);
    if (error)
        *error = file.status == DiskFile::ReadResult::Status::Unreadable
                     ? file.error
                     : AnalysisTexts::fileNotFound();
    return std::nullopt;
}

} // namespace NamedXmlList
