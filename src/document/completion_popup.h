#pragma once

#include "analysis/completion_entry.h"

#include <QList>
#include <QObject>

class rtfText;

// The editor's completion list: asks the document for its entries (the editor's
// completionListRequested()), shows those that start like the partial name before the caret
// (ignoring case) with their icons, and after a choice shows the entry's parameters and
// description. Typing the whole name of the one entry left closes the list.
class CompletionPopup : public QObject {
    Q_OBJECT

public:
    explicit CompletionPopup(rtfText &editor);

    // Offer the list while a name is typed, once its third character is there.
    void setWhileTyping(bool on) { m_whileTyping = on; }
    void answer(const QList<CompletionEntry> &entries);
    void show();

private:
    void onCharAdded(int ch);
    void closeWhenComplete();
    void onChosen(const char *selection);
    QString textBeforeCaret() const;

    rtfText &m_editor;
    bool m_whileTyping = false;
    bool m_answered = false;
    QList<CompletionEntry> m_entries;
    QList<int> m_registeredIcons;
};
