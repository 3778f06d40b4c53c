#include "document/completion_list_format.h"

#include <QSet>

namespace CompletionListFormat {

QByteArray itemList(const QList<CompletionEntry> &entries) {
    QByteArray list;
    QSet<QString> seen;
    for (const CompletionEntry &entry : entries) {
        QString name = entry.name;
        name.replace(QChar(EntrySeparator), QChar(u' '));
        name.replace(QChar(IconSeparator), QChar(u' '));
        if (name.isEmpty() || seen.contains(name))
            continue;
        seen.insert(name);
        if (!list.isEmpty())
            list += EntrySeparator;
        list += name.toUtf8();
        list += IconSeparator;
        list += QByteArray::number(entry.icon);
    }
    return list;
}

const CompletionEntry *findEntry(const QList<CompletionEntry> &entries, const QString &name) {
    for (const CompletionEntry &entry : entries)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

bool isOnlyEntry(const QList<CompletionEntry> &entries, const QString &word) {
    if (word.isEmpty())
        return false;
    const QString *only = nullptr;
    for (const CompletionEntry &entry : entries) {
        if (!entry.name.startsWith(word, Qt::CaseInsensitive) || (only && entry.name == *only))
            continue;
        if (only)
            return false;
        only = &entry.name;
    }
    return only && only->compare(word, Qt::CaseInsensitive) == 0;
}

QString callTip(const CompletionEntry &entry) {
    if (entry.params.isEmpty() && entry.description.isEmpty())
        return {};
    QString tip = entry.name + entry.params;
    if (!entry.description.isEmpty())
        tip += u'\n' + entry.description;
    return tip;
}

bool isNameCharacter(QChar c) {
    return c.isLetterOrNumber() || c == u'_' || c == u'%' || c == u'$' || c == u'&';
}

int partialNameLength(const QString &textBeforeCaret) {
    qsizetype start = textBeforeCaret.size();
    while (start > 0 && isNameCharacter(textBeforeCaret[start - 1]))
        --start;
    return int(textBeforeCaret.size() - start);
}

} // namespace CompletionListFormat
