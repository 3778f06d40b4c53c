#pragma once

#include "analysis/completion_entry.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A completion list of the editor: the fixed vocabulary read from global.xml, and the
// per-scan lists that add the document's own names. Entries keep the order they were added.
//
// The file form (global.xml):
//   <completions name="Global">
//     <entry name="LEFT$" params="(a$,x%)" icon="3">Returns the first x% characters.</entry>
//   </completions>
class CompletionList {
public:
    // Replaces the whole list with the file's. On any failure (missing, unreadable, empty or
    // malformed file) the list is left empty and unnamed, and `error` says why.
    bool load(const QString &path, QString *error = nullptr);
    bool loadFromXml(const QByteArray &xml, QString *error = nullptr);

    // The file form that load() reads back as the same list.
    QByteArray toXml() const;

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }

    int count() const { return int(m_entries.size()); }
    // The entry at a 0-based index, or nullptr when there is none.
    const CompletionEntry *entry(int index) const;
    const QList<CompletionEntry> &entries() const { return m_entries; }
    QStringList names() const;

    // Appends an entry without description and returns its index.
    int addEntry(const QString &name, const QString &params, int icon);
    // False when there is no entry at `index`.
    bool setDescription(int index, const QString &description);

private:
    QString m_name;
    QList<CompletionEntry> m_entries;
};
