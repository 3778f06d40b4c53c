#include "document/completion_popup.h"

#include "document/completion_icons.h"
#include "document/completion_list_format.h"
#include "document/rtf_text.h"
#include "document/scintilla_call.h"

namespace {

using Sci = QsciScintillaBase;
// The partial name length at which typing offers the list.
constexpr int Threshold = 3;

} // namespace

CompletionPopup::CompletionPopup(rtfText &editor) : QObject(&editor), m_editor(editor) {
    sciCall(editor, Sci::SCI_AUTOCSETSEPARATOR, CompletionListFormat::EntrySeparator);
    sciCall(editor, Sci::SCI_AUTOCSETTYPESEPARATOR, CompletionListFormat::IconSeparator);
    sciCall(editor, Sci::SCI_AUTOCSETAUTOHIDE, 1);
    sciCall(editor, Sci::SCI_AUTOCSETORDER, Sci::SC_ORDER_PERFORMSORT);
    // The call tip's default grey is hard to read.
    sciCall(editor, Sci::SCI_CALLTIPSETFORE, 0x202020);
    connect(&editor, &Sci::SCN_CHARADDED, this, &CompletionPopup::onCharAdded);
    connect(&editor, &Sci::SCN_AUTOCCOMPLETED, this,
            [this](const char *selection, int, int, int) { onChosen(selection); });
}

void CompletionPopup::answer(const QList<CompletionEntry> &entries) {
    m_entries = entries;
    m_answered = true;
}

QString CompletionPopup::textBeforeCaret() const {
    const TextRange caret = m_editor.GetSel(false);
    return m_editor.GetLine(caret.endLine).left(caret.endColumn);
}

void CompletionPopup::show() {
    m_answered = false;
    Q_EMIT m_editor.completionListRequested();
    if (!m_answered || m_entries.isEmpty())
        return;
    for (const CompletionEntry &entry : std::as_const(m_entries))
        if (!m_registeredIcons.contains(entry.icon)) {
            m_editor.registerImage(entry.icon, CompletionIcons::pixmap(entry.icon));
            m_registeredIcons.append(entry.icon);
        }
    const QString before = textBeforeCaret();
    const QString partial = before.right(CompletionListFormat::partialNameLength(before));
    const QByteArray list = CompletionListFormat::itemList(m_entries);
    // OPL ignores case, and so do matching, sorting and the entry first chosen; a new lexer
    // sets the case rule afresh.
    sciCall(m_editor, Sci::SCI_AUTOCSETIGNORECASE, 1);
    sciCall(m_editor, Sci::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR,
            Sci::SC_CASEINSENSITIVEBEHAVIOUR_IGNORECASE);
    m_editor.SendScintilla(Sci::SCI_AUTOCSHOW, static_cast<uintptr_t>(partial.toUtf8().size()),
                           list.constData());
}

void CompletionPopup::onCharAdded(int ch) {
    if (sciCall(m_editor, Sci::SCI_AUTOCACTIVE)) {
        closeWhenComplete();
        return;
    }
    if (!m_whileTyping || ch > 0x7F || !CompletionListFormat::isNameCharacter(QChar(ch)))
        return;
    const QString before = textBeforeCaret();
    const int partial = CompletionListFormat::partialNameLength(before);
    if (partial == Threshold && before.at(before.size() - partial).isLetter()) {
        show();
        closeWhenComplete();
    }
}

// A typed name that equals the one entry left needs no list: Return then ends the line.
void CompletionPopup::closeWhenComplete() {
    const QString before = textBeforeCaret();
    const QString word = before.right(CompletionListFormat::partialNameLength(before));
    if (CompletionListFormat::isOnlyEntry(m_entries, word))
        sciCall(m_editor, Sci::SCI_AUTOCCANCEL);
}

void CompletionPopup::onChosen(const char *selection) {
    const CompletionEntry *entry =
        CompletionListFormat::findEntry(m_entries, QString::fromUtf8(selection));
    if (!entry)
        return;
    const QString tip = CompletionListFormat::callTip(*entry);
    if (!tip.isEmpty())
        m_editor.SendScintilla(Sci::SCI_CALLTIPSHOW,
                               static_cast<uintptr_t>(sciCall(m_editor, Sci::SCI_GETCURRENTPOS)),
                               tip.toUtf8().constData());
}
