#include "analysis/named_xml_list.h"

#include <QFile>

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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return std::nullopt;
    }
    return file.readAll();
}

} // namespace NamedXmlList
