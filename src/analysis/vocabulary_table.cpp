#include "analysis/vocabulary_table.h"

#include "analysis/completion_list.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>

namespace {

// A name as a program writes it: a letter, letters and digits, an optional type suffix.
bool isValidName(const QString &name) {
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][A-Za-z0-9]*[$%&]?$"));
    return pattern.match(name).hasMatch();
}

class Parser {
public:
    void parseLine(int lineNumber, const QString &line);
    void finish();
    QList<VocabularyEntry> entries;
    QList<VocabularyError> errors;

private:
    void error(int line, const QString &message) { errors.append({line, message}); }
    void closeEntry();
    void setValue(int lineNumber, const QString &key, const QString &rawValue);

    VocabularyEntry m_entry;
    bool m_open = false;
    bool m_broken = false;
    bool m_paragraphOpen = false;
    QSet<QString> m_names; // upper case
};

void Parser::parseLine(int lineNumber, const QString &line) {
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#')))
        return;
    if (trimmed.startsWith(QLatin1Char('@'))) {
        closeEntry();
        m_entry = VocabularyEntry{};
        m_entry.name = trimmed.mid(1).trimmed();
        m_entry.line = lineNumber;
        m_open = true;
        m_broken = false;
        m_paragraphOpen = false;
        if (!isValidName(m_entry.name)) {
            error(lineNumber, QStringLiteral("\"%1\" is not a name (letters and digits, an "
                                             "optional $, %% or & at the end)")
                                  .arg(m_entry.name));
            m_broken = true;
        } else if (m_names.contains(m_entry.name.toUpper())) {
            error(lineNumber, QStringLiteral("%1 is listed twice").arg(m_entry.name));
            m_broken = true;
        }
        return;
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0) {
        error(lineNumber, QStringLiteral("expected \"key: value\" or \"@ NAME\""));
        return;
    }
    if (!m_open) {
        error(lineNumber, QStringLiteral("a key before the first \"@ NAME\" line"));
        return;
    }
    setValue(lineNumber, line.left(colon).trimmed().toLower(), line.mid(colon + 1));
}

void Parser::setValue(int lineNumber, const QString &key, const QString &rawValue) {
    const QString value = rawValue.trimmed();
    if (key == QLatin1String("form")) {
        if (value.isEmpty())
            error(lineNumber, QStringLiteral("an empty form (leave the line out instead)"));
        else
            m_entry.forms.append(value);
    } else if (key == QLatin1String("icon")) {
        bool ok = false;
        const int icon = value.toInt(&ok);
        if (m_entry.icon != 0) {
            error(lineNumber, QStringLiteral("a second icon for %1").arg(m_entry.name));
            m_broken = true;
        } else if (!ok || icon < VocabularyIcon::First || icon > VocabularyIcon::Last) {
            error(lineNumber, QStringLiteral("icon must be a number from %1 to %2")
                                  .arg(VocabularyIcon::First)
                                  .arg(VocabularyIcon::Last));
            m_broken = true;
        } else {
            m_entry.icon = icon;
        }
    } else if (key == QLatin1String("desc")) {
        if (!m_entry.description.isEmpty()) {
            error(lineNumber, QStringLiteral("a second description for %1").arg(m_entry.name));
            m_broken = true;
        } else {
            m_entry.description = value;
        }
    } else if (key == QLatin1String("text")) {
        // An empty text line ends a paragraph; the lines of one paragraph join with a blank.
        if (value.isEmpty()) {
            m_paragraphOpen = false;
        } else if (m_paragraphOpen) {
            m_entry.paragraphs.last() += QLatin1Char(' ') + value;
        } else {
            m_entry.paragraphs.append(value);
            m_paragraphOpen = true;
        }
    } else if (key == QLatin1String("example")) {
        // Keep the indentation of example lines: only the one blank after the colon goes.
        QString code = rawValue.startsWith(QLatin1Char(' ')) ? rawValue.mid(1) : rawValue;
        while (!code.isEmpty() && code.back().isSpace())
            code.chop(1);
        m_entry.example.append(code);
    } else {
        error(lineNumber, QStringLiteral("unknown key \"%1\"").arg(key));
    }
}

void Parser::closeEntry() {
    if (!m_open)
        return;
    m_open = false;
    if (m_broken)
        return;
    if (m_entry.icon == 0) {
        error(m_entry.line, QStringLiteral("%1 has no icon").arg(m_entry.name));
        return;
    }
    if (m_entry.description.isEmpty()) {
        error(m_entry.line, QStringLiteral("%1 has no description").arg(m_entry.name));
        return;
    }
    m_names.insert(m_entry.name.toUpper());
    entries.append(m_entry);
}

void Parser::finish() {
    closeEntry();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const VocabularyEntry &a, const VocabularyEntry &b) {
                         return a.name.compare(b.name, Qt::CaseInsensitive) < 0;
                     });
}

} // namespace

VocabularyTable VocabularyTable::parse(const QString &text) {
    Parser parser;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    for (int i = 0; i < lines.size(); ++i)
        parser.parseLine(i + 1, lines.at(i));
    parser.finish();
    VocabularyTable table;
    table.m_entries = std::move(parser.entries);
    table.m_errors = std::move(parser.errors);
    return table;
}

VocabularyTable VocabularyTable::load(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        VocabularyTable table;
        table.m_errors.append({0, file.errorString()});
        return table;
    }
    return parse(QString::fromUtf8(file.readAll()));
}

void VocabularyTable::fill(CompletionList &list) const {
    for (const VocabularyEntry &entry : m_entries) {
        const int index = list.addEntry(entry.name, entry.params(), entry.icon);
        list.setDescription(index, entry.description);
    }
}
