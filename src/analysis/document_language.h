#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <array>
#include <optional>

// The categories the lexer and the colour settings rely on by name.
namespace LanguageCategory {
inline constexpr QLatin1String Text{"Text"};
inline constexpr QLatin1String Comments{"Comments"};
inline constexpr QLatin1String Strings{"Strings"};
inline constexpr QLatin1String Numbers{"Numbers"};
inline constexpr QLatin1String Operators{"Operators"};
inline constexpr QLatin1String Keywords{"Keywords"};
inline constexpr QLatin1String Variables{"Variables"};
inline constexpr QLatin1String Functions{"Functions"};
inline constexpr QLatin1String Labels{"Labels"};
inline constexpr QLatin1String Constants{"Constants"};
// The category of each syntax colour of the settings: entry i - 1 for colour i (1..10).
inline constexpr std::array<QLatin1String, 10> ByColourIndex{
    Variables, Functions, Labels, Constants, Comments, Strings, Keywords, Operators, Text, Numbers};
} // namespace LanguageCategory

// The editor's language definition, read from opl.xml: named colour categories, each with
// an editor style number, a text colour (0x00BBGGRR) and a word list. The lexer colours a
// word in the category whose list holds it; "Keywords" holds the OPL vocabulary, and the
// scanner refills "Variables", "Labels", "Constants" and "Functions" after every scan.
// Category names are looked up ignoring case ("variables" finds "Variables").
//
// The file form:
//   <language name="OPL">
//     <category name="Keywords" style="5" color="#0000FF">PROC ENDP ...</category>
//   </language>
// Words are separated by white space; colours are written #RRGGBB; style numbers are 0..31.
class DocumentLanguage {
public:
    struct Category {
        QString name;
        int style = 0;
        quint32 colour = 0; // 0x00BBGGRR
        QStringList words;
    };

    static constexpr int MaxStyle = 31;

    // Replaces the whole definition with the file's. On any failure (missing, unreadable,
    // empty or malformed file) the language is left without categories and unnamed, and
    // `error` says why.
    bool load(const QString &path, QString *error = nullptr);
    bool loadFromXml(const QByteArray &xml, QString *error = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    const QList<Category> &categories() const { return m_categories; }
    // The category of that name, ignoring case, or nullptr.
    const Category *category(const QString &name) const;

    // False when there is no such category.
    bool setColour(const QString &category, quint32 colour);
    std::optional<quint32> colour(const QString &category) const;

    // The words of "Keywords".
    QStringList keywords() const;
    // The word list of a category: false when there is no such category.
    bool clearWords(const QString &category);
    bool addWord(const QString &category, const QString &word);

    // Goes up with every change of colours or words, so that a lexer can tell when to take
    // them over again.
    quint64 revision() const { return m_revision; }

private:
    Category *find(const QString &name);

    QString m_name;
    QList<Category> m_categories;
    quint64 m_revision = 0;
};
