#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class CompletionList;

// Completion icons of the fixed vocabulary. The scanner's own entries use 9 (procedures),
// 12 (labels) and 23 (variables and constants); these numbers stay clear of them.
namespace VocabularyIcon {
constexpr int Structure = 1; // declarations, program structure, operators
constexpr int Statement = 2; // text screen, sound and other plain statements
constexpr int Function = 3;  // numbers, text, dates, errors
constexpr int Graphics = 4;  // windows and bitmaps
constexpr int Dialog = 5;    // dialogs, menus and notices
constexpr int Database = 6;  // files, folders and databases
constexpr int System = 7;    // keyboard, events, memory, I/O and the program's environment
constexpr int First = Structure;
constexpr int Last = System;
} // namespace VocabularyIcon

// One word of the OPL vocabulary as the hand-written table gives it.
struct VocabularyEntry {
    QString name;           // as written in programs, type suffix included: "LEFT$"
    QStringList forms;      // argument forms as written after the name; alternatives
    int icon = 0;           // a VocabularyIcon
    QString description;    // one line
    QStringList paragraphs; // longer explanation for the command reference
    QStringList example;    // lines of a short example program
    int line = 0;           // 1-based line of the entry's "@" line in the table

    // The forms as one parameter text for the completion list.
    QString params() const { return forms.join(QStringLiteral(" | ")); }
};

struct VocabularyError {
    int line = 0; // 1-based
    QString message;
};

// The vocabulary table (data/vocabulary.txt): the one source of global.xml and the command
// reference. An entry starts with "@ NAME"; the lines after it are "key: value" pairs
// (form, icon, desc, text, example). Blank lines and lines starting with "#" are skipped.
class VocabularyTable {
public:
    // Reads the table; problems are collected in errors(), and entries with problems are
    // left out, so a partly broken table still yields its sound entries.
    static VocabularyTable parse(const QString &text);

    // Reads the table file as UTF-8. A file that cannot be read gives one error at line 0.
    static VocabularyTable load(const QString &path);

    // Sorted by name, ignoring case.
    const QList<VocabularyEntry> &entries() const { return m_entries; }
    const QList<VocabularyError> &errors() const { return m_errors; }
    bool ok() const { return m_errors.isEmpty(); }

    // The entries as a completion list: name, parameter text, icon, description.
    void fill(CompletionList &list) const;

private:
    QList<VocabularyEntry> m_entries;
    QList<VocabularyError> m_errors;
};
