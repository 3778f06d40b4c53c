#include "analysis/document_language.h"

#include "analysis/named_xml_list.h"

#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>

namespace {

// "#RRGGBB" as 0x00BBGGRR.
std::optional<quint32> parseColour(QStringView text) {
    if (text.size() != 7 || text.front() != QLatin1Char('#'))
        return std::nullopt;
    bool ok = false;
    const uint rgb = text.mid(1).toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

} // namespace

bool DocumentLanguage::load(const QString &path, QString *error) {
    if (const auto data = NamedXmlList::readFile(path, error))
        return loadFromXml(*data, error);
    m_name.clear();
    m_categories.clear();
    ++m_revision;
    return false;
}

bool DocumentLanguage::loadFromXml(const QByteArray &data, QString *error) {
    // Parse into locals and take them over only when the whole file was sound.
    QString name;
    QList<Category> categories;
    QSet<QString> names;
    QSet<int> styles;
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const NamedXmlList::Shape shape{QStringLiteral("language"), QStringLiteral("category"),
                                    QStringLiteral("The file holds no language definition.")};
    const QString problem = NamedXmlList::read(data, shape, name, [&](QXmlStreamReader &xml) {
        using NamedXmlList::located;
        const QXmlStreamAttributes attributes = xml.attributes();
        Category category;
        category.name = attributes.value(QStringLiteral("name")).toString().trimmed();
        bool styleOk = false;
        category.style = attributes.value(QStringLiteral("style")).toInt(&styleOk);
        const auto colour = parseColour(attributes.value(QStringLiteral("color")));
        if (category.name.isEmpty())
            return located(xml, QStringLiteral("a category without a name"));
        if (names.contains(category.name.toUpper()))
            return located(xml,
                           QStringLiteral("the category %1 is defined twice").arg(category.name));
        if (!styleOk || category.style < 0 || category.style > MaxStyle)
            return located(xml, QStringLiteral("the style of %1 must be a number from 0 to %2")
                                    .arg(category.name)
                                    .arg(MaxStyle));
        if (styles.contains(category.style))
            return located(xml, QStringLiteral("style %1 is used twice").arg(category.style));
        if (!colour)
            return located(
                xml, QStringLiteral("the colour of %1 must be written #RRGGBB").arg(category.name));
        category.colour = *colour;
        category.words = xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement)
                             .split(blanks, Qt::SkipEmptyParts);
        names.insert(category.name.toUpper());
        styles.insert(category.style);
        categories.append(category);
        return QString();
    });

    ++m_revision;
    if (!problem.isEmpty()) {
        m_name.clear();
        m_categories.clear();
        if (error)
            *error = problem;
        return false;
    }
    m_name = name;
    m_categories = std::move(categories);
    return true;
}

const DocumentLanguage::Category *DocumentLanguage::category(const QString &name) const {
    for (const Category &category : m_categories)
        if (category.name.compare(name, Qt::CaseInsensitive) == 0)
            return &category;
    return nullptr;
}

DocumentLanguage::Category *DocumentLanguage::find(const QString &name) {
    return const_cast<Category *>(std::as_const(*this).category(name));
}

bool DocumentLanguage::setColour(const QString &category, quint32 colour) {
    Category *found = find(category);
    if (!found)
        return false;
    found->colour = colour & 0x00FFFFFF;
    ++m_revision;
    return true;
}

std::optional<quint32> DocumentLanguage::colour(const QString &category) const {
    const Category *found = this->category(category);
    if (!found)
        return std::nullopt;
    return found->colour;
}

QStringList DocumentLanguage::keywords() const {
    const Category *found = category(LanguageCategory::Keywords);
    return found ? found->words : QStringList();
}

bool DocumentLanguage::clearWords(const QString &category) {
    Category *found = find(category);
    if (!found)
        return false;
    found->words.clear();
    ++m_revision;
    return true;
}

bool DocumentLanguage::addWord(const QString &category, const QString &word) {
    Category *found = find(category);
    if (!found)
        return false;
    found->words.append(word);
    ++m_revision;
    return true;
}
