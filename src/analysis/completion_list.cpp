#include "analysis/completion_list.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString RootElement = QStringLiteral("completions");
const QString EntryElement = QStringLiteral("entry");

QString located(const QXmlStreamReader &xml, const QString &message) {
    return QStringLiteral("Line %1: %2").arg(xml.lineNumber()).arg(message);
}

} // namespace

bool CompletionList::load(const QString &path, QString *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_name.clear();
        m_entries.clear();
        if (error)
            *error = file.errorString();
        return false;
    }
    return loadFromXml(file.readAll(), error);
}

bool CompletionList::loadFromXml(const QByteArray &data, QString *error) {
    // Parse into locals and take them over only when the whole file was sound.
    QString name;
    QList<CompletionEntry> entries;
    QString problem;
    QXmlStreamReader xml(data);

    if (data.trimmed().isEmpty()) {
        problem = QStringLiteral("The file is empty.");
    } else if (!xml.readNextStartElement()) {
        problem = xml.hasError() ? located(xml, xml.errorString())
                                 : QStringLiteral("The file holds no completion list.");
    } else if (xml.name() != RootElement) {
        problem = located(
            xml, QStringLiteral("expected <completions>, found <%1>").arg(xml.name().toString()));
    } else {
        name = xml.attributes().value(QStringLiteral("name")).toString();
        while (problem.isEmpty() && xml.readNextStartElement()) {
            if (xml.name() != EntryElement) {
                problem = located(xml, QStringLiteral("unexpected <%1>").arg(xml.name()));
                break;
            }
            const QXmlStreamAttributes attributes = xml.attributes();
            CompletionEntry entry;
            entry.name = attributes.value(QStringLiteral("name")).toString();
            entry.params = attributes.value(QStringLiteral("params")).toString();
            bool iconOk = false;
            entry.icon = attributes.value(QStringLiteral("icon")).toInt(&iconOk);
            if (entry.name.isEmpty())
                problem = located(xml, QStringLiteral("an entry without a name"));
            else if (!iconOk)
                problem = located(
                    xml, QStringLiteral("the icon of %1 is not a whole number").arg(entry.name));
            else
                entry.description = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
            entries.append(entry);
        }
        if (problem.isEmpty() && xml.hasError())
            problem = located(xml, xml.errorString());
    }
    if (problem.isEmpty()) {
        // Nothing but comments and white space may follow the list.
        while (!xml.atEnd() && !xml.hasError())
            if (xml.readNext() == QXmlStreamReader::StartElement)
                problem = located(xml, QStringLiteral("unexpected <%1>").arg(xml.name()));
        if (problem.isEmpty() && xml.hasError())
            problem = located(xml, xml.errorString());
    }
    if (!problem.isEmpty()) {
        m_name.clear();
        m_entries.clear();
        if (error)
            *error = problem;
        return false;
    }
    m_name = name;
    m_entries = std::move(entries);
    return true;
}

QByteArray CompletionList::toXml() const {
    QByteArray data;
    QXmlStreamWriter xml(&data);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeStartElement(RootElement);
    xml.writeAttribute(QStringLiteral("name"), m_name);
    for (const CompletionEntry &entry : m_entries) {
        xml.writeStartElement(EntryElement);
        xml.writeAttribute(QStringLiteral("name"), entry.name);
        xml.writeAttribute(QStringLiteral("params"), entry.params);
        xml.writeAttribute(QStringLiteral("icon"), QString::number(entry.icon));
        xml.writeCharacters(entry.description);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return data;
}

const CompletionEntry *CompletionList::entry(int index) const {
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    return &m_entries.at(index);
}

QStringList CompletionList::names() const {
    QStringList result;
    result.reserve(m_entries.size());
    for (const CompletionEntry &entry : m_entries)
        result.append(entry.name);
    return result;
}

int CompletionList::addEntry(const QString &name, const QString &params, int icon) {
    m_entries.append(CompletionEntry{name, params, icon, QString()});
    return int(m_entries.size()) - 1;
}

bool CompletionList::setDescription(int index, const QString &description) {
    if (index < 0 || index >= m_entries.size())
        return false;
    m_entries[index].description = description;
    return true;
}
