#include "analysis/completion_list.h"

#include "analysis/named_xml_list.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

const QString RootElement = QStringLiteral("completions");
const QString EntryElement = QStringLiteral("entry");

} // namespace

bool CompletionList::load(const QString &path, QString *error) {
    if (const auto data = NamedXmlList::readFile(path, error))
        return loadFromXml(*data, error);
    m_name.clear();
    m_entries.clear();
    return false;
}

bool CompletionList::loadFromXml(const QByteArray &data, QString *error) {
    // Parse into locals and take them over only when the whole file was sound.
    QString name;
    QList<CompletionEntry> entries;
    const NamedXmlList::Shape shape{RootElement, EntryElement,
                                    QStringLiteral("The file holds no completion list.")};
    const QString problem = NamedXmlList::read(data, shape, name, [&](QXmlStreamReader &xml) {
        const QXmlStreamAttributes attributes = xml.attributes();
        CompletionEntry entry;
        entry.name = attributes.value(QStringLiteral("name")).toString();
        entry.params = attributes.value(QStringLiteral("params")).toString();
        bool iconOk = false;
        entry.icon = attributes.value(QStringLiteral("icon")).toInt(&iconOk);
        if (entry.name.isEmpty())
            return NamedXmlList::located(xml, QStringLiteral("an entry without a name"));
        if (!iconOk)
            return NamedXmlList::located(
                xml, QStringLiteral("the icon of %1 is not a whole number").arg(entry.name));
        entry.description = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        entries.append(entry);
        return QString();
    });
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
