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

CompletionPopup::CompletionPopup(rtfText &editor) : QObject(&editor), editor_(editor) {
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
    entries_ = entries;
    answered_ = true;
}

QString CompletionPopup::textBeforeCaret() const {
    const TextRange caret = editor_.GetSel(false);
    return editor_.GetLine(caret.endLine).left(caret.endColumn);
}

void CompletionPopup::show() {
    answered_ = false;
    Q_EMIT editor_.completionListRequested();
    if (!answered_ || entries_.isEmpty())
        return;
    for (const CompletionEntry &entry : std::as_const(entries_))
        if (!registeredIcons_.contains(entry.icon)) {
            editor_.registerImage(entry.icon, CompletionIcons::pixmap(entry.icon));
            registeredIcons_.append(entry.icon);
        }
    const QString before = textBeforeCaret();
    const QString partial = before.right(CompletionListFormat::partialNameLength(before));
    const QByteArray list = CompletionListFormat::itemList(entries_);
    // OPL ignores case, and so do matching, sorting and the entry first chosen; a new lexer
    // sets the case rule afresh.
    sciCall(editor_, Sci::SCI_AUTOCSETIGNORECASE, 1);
    sciCall(editor_, Sci::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR,
            Sci::SC_CASEINSENSITIVEBEHAVIOUR_IGNORECASE);
    editor_.SendScintilla(Sci::SCI_AUTOCSHOW, static_cast<uintptr_t>(partial.toUtf8().size()),
                          list.constData());
}

void CompletionPopup::onCharAdded(int ch) {
    if (sciCall(editor_, Sci::SCI_AUTOCACTIVE)) {
        closeWhenComplete();
        return;
    }
    if (!whileTyping_ || ch > 0x7F || !CompletionListFormat::isNameCharacter(QChar(ch)))
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
    if (CompletionListFormat::isOnlyEntry(entries_, word))
        sciCall(editor_, Sci::SCI_AUTOCCANCEL);
}

void CompletionPopup::onChosen(const char *selection) {
    const CompletionEntry *entry =
        CompletionListFormat::findEntry(entries_, QString::fromUtf8(selection));
    if (!entry)
        return;
    const QString tip = CompletionListFormat::callTip(*entry);
    if (!tip.isEmpty())
        editor_.SendScintilla(Sci::SCI_CALLTIPSHOW,
                              static_cast<uintptr_t>(sciCall(editor_, Sci::SCI_GETCURRENTPOS)),
                              tip.toUtf8().constData());
}
