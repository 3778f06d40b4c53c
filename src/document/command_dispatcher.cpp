#include "document/command_dispatcher.h"

#include "base/prompts.h"
#include "document/editor_search.h"
#include "document/find_dialog.h"
#include "document/rtf_text.h"
#include "document/scintilla_call.h"

#include <array>
#include <utility>

namespace {

using Sci = QsciScintillaBase;

// Commands that are one of the editor's own key commands.
constexpr std::array<std::pair<int, unsigned int>, 98> kKeyCommands = {{
    {99, Sci::SCI_SELECTALL},
    {100, Sci::SCI_CHARLEFT},
    {101, Sci::SCI_CHARLEFTEXTEND},
    {102, Sci::SCI_CHARRIGHT},
    {103, Sci::SCI_CHARRIGHTEXTEND},
    {104, Sci::SCI_LINEUP},
    {105, Sci::SCI_LINEUPEXTEND},
    {106, Sci::SCI_LINEDOWN},
    {107, Sci::SCI_LINEDOWNEXTEND},
    {108, Sci::SCI_WORDLEFT},
    {109, Sci::SCI_WORDLEFTEXTEND},
    {110, Sci::SCI_WORDRIGHT},
    {111, Sci::SCI_WORDRIGHTEXTEND},
    {112, Sci::SCI_WORDPARTLEFT},
    {113, Sci::SCI_WORDPARTLEFTEXTEND},
    {114, Sci::SCI_WORDPARTRIGHT},
    {115, Sci::SCI_WORDPARTRIGHTEXTEND},
    {116, Sci::SCI_HOME},
    {117, Sci::SCI_HOMEEXTEND},
    {118, Sci::SCI_VCHOME},
    {119, Sci::SCI_VCHOMEEXTEND},
    {120, Sci::SCI_LINEEND},
    {121, Sci::SCI_LINEENDEXTEND},
    {122, Sci::SCI_DOCUMENTSTART},
    {123, Sci::SCI_DOCUMENTSTARTEXTEND},
    {124, Sci::SCI_DOCUMENTEND},
    {125, Sci::SCI_DOCUMENTENDEXTEND},
    {126, Sci::SCI_DELETEBACK},
    {128, Sci::SCI_DELETEBACKNOTLINE},
    {129, Sci::SCI_UNDO},
    {130, Sci::SCI_PAGEUP},
    {131, Sci::SCI_PAGEUPEXTEND},
    {132, Sci::SCI_PAGEDOWN},
    {133, Sci::SCI_PAGEDOWNEXTEND},
    {134, Sci::SCI_PARAUP},
    {135, Sci::SCI_PARAUPEXTEND},
    {136, Sci::SCI_PARADOWN},
    {137, Sci::SCI_PARADOWNEXTEND},
    {138, Sci::SCI_CLEAR},
    {139, Sci::SCI_REDO},
    {140, Sci::SCI_PASTE},
    {141, Sci::SCI_DELWORDLEFT},
    {142, Sci::SCI_DELWORDRIGHT},
    {143, Sci::SCI_DELWORDRIGHTEND},
    {144, Sci::SCI_DELLINELEFT},
    {145, Sci::SCI_DELLINERIGHT},
    {146, Sci::SCI_LINEDELETE},
    {147, Sci::SCI_LINECUT},
    {148, Sci::SCI_LINECOPY},
    {149, Sci::SCI_LINEDUPLICATE},
    {150, Sci::SCI_SELECTIONDUPLICATE},
    {151, Sci::SCI_LINETRANSPOSE},
    {152, Sci::SCI_LINEREVERSE},
    {153, Sci::SCI_MOVESELECTEDLINESUP},
    {154, Sci::SCI_MOVESELECTEDLINESDOWN},
    {156, Sci::SCI_LOWERCASE},
    {157, Sci::SCI_UPPERCASE},
    {158, Sci::SCI_NEWLINE},
    {159, Sci::SCI_TAB},
    {160, Sci::SCI_EDITTOGGLEOVERTYPE},
    {161, Sci::SCI_CANCEL},
    {167, Sci::SCI_LINESCROLLUP},
    {170, Sci::SCI_LINESCROLLDOWN},
    {171, Sci::SCI_SCROLLCARET},
    {172, Sci::SCI_VERTICALCENTRECARET},
    {173, Sci::SCI_SCROLLTOSTART},
    {174, Sci::SCI_SCROLLTOEND},
    {183, Sci::SCI_ZOOMIN},
    {184, Sci::SCI_ZOOMOUT},
    {197, Sci::SCI_CUT},
    {198, Sci::SCI_COPY},
    {200, Sci::SCI_EMPTYUNDOBUFFER},
    {202, Sci::SCI_CHARLEFTRECTEXTEND},
    {203, Sci::SCI_CHARRIGHTRECTEXTEND},
    {204, Sci::SCI_LINEUPRECTEXTEND},
    {205, Sci::SCI_LINEDOWNRECTEXTEND},
    {206, Sci::SCI_HOMERECTEXTEND},
    {207, Sci::SCI_VCHOMERECTEXTEND},
    {208, Sci::SCI_LINEENDRECTEXTEND},
    {209, Sci::SCI_PAGEUPRECTEXTEND},
    {210, Sci::SCI_PAGEDOWNRECTEXTEND},
    {211, Sci::SCI_STUTTEREDPAGEUP},
    {212, Sci::SCI_STUTTEREDPAGEUPEXTEND},
    {213, Sci::SCI_STUTTEREDPAGEDOWN},
    {214, Sci::SCI_STUTTEREDPAGEDOWNEXTEND},
    {215, Sci::SCI_WORDLEFTEND},
    {216, Sci::SCI_WORDLEFTENDEXTEND},
    {217, Sci::SCI_WORDRIGHTEND},
    {218, Sci::SCI_WORDRIGHTENDEXTEND},
    {219, Sci::SCI_HOMEDISPLAY},
    {220, Sci::SCI_LINEENDDISPLAY},
    {221, Sci::SCI_COPYALLOWLINE},
}};

unsigned int keyCommandFor(int number) {
    for (const auto &[command, message] : kKeyCommands)
        if (command == number)
            return message;
    return 0;
}

const QString kGoToTitle = QStringLiteral("Go To");

// `line` with its tabs replaced by blanks up to the next tab stop.
QString expandTabs(const QString &line, int tabWidth) {
    QString result;
    for (QChar c : line) {
        if (c == u'\t')
            result += QString(tabWidth - int(result.size()) % tabWidth, u' ');
        else
            result += c;
    }
    return result;
}

QString withoutTrailingBlanks(QString line) {
    while (!line.isEmpty() && (line.back() == u' ' || line.back() == u'\t'))
        line.chop(1);
    return line;
}

} // namespace

CommandDispatcher::CommandDispatcher(rtfText &editor, Prompts &prompts)
    : m_editor(editor), m_prompts(prompts) {}

CommandDispatcher::~CommandDispatcher() {
    delete m_findDialog.data();
}

bool CommandDispatcher::run(const CommandCatalogue::Call &call) {
    if (!call.ok()) {
        m_editor.setLastError(call.error);
        return false;
    }
    if (const unsigned int message = keyCommandFor(call.command->number)) {
        sciCall(m_editor, message);
        return true;
    }
    return runOwn(call);
}

bool CommandDispatcher::runOwn(const CommandCatalogue::Call &call) {
    rtfText &e = m_editor;
    switch (call.command->number) {
    case CommandCatalogue::Unindent:
    case CommandCatalogue::Indent:
        indentSelectedLines(call.command->number == CommandCatalogue::Indent);
        break;
    case CommandCatalogue::JoinLines:
        sciCall(e, Sci::SCI_TARGETFROMSELECTION);
        sciCall(e, Sci::SCI_LINESJOIN);
        break;
    case CommandCatalogue::SelectLine:
        e.SelectLine(e.GetSel(false).endLine, true);
        break;
    case CommandCatalogue::SelectWord: {
        const long caret = sciCall(e, Sci::SCI_GETCURRENTPOS);
        const long start = sciCall(e, Sci::SCI_WORDSTARTPOSITION, caret, 1);
        sciCall(e, Sci::SCI_SETSEL, start, sciCall(e, Sci::SCI_WORDENDPOSITION, caret, 1));
        break;
    }
    case CommandCatalogue::SelectToMatchingBracket:
        e.selectToMatchingBrace();
        break;
    case CommandCatalogue::GoToMatchingBracket:
        e.moveToMatchingBrace();
        break;
    case CommandCatalogue::GoToLine:
        if (call.integer < 0)
            askForLine();
        else
            goToLine(call.integer);
        break;
    case CommandCatalogue::FindAndReplace:
    case CommandCatalogue::Find:
        showFindDialog(call.command->number == CommandCatalogue::FindAndReplace);
        break;
    case CommandCatalogue::FindNext:
    case CommandCatalogue::FindPrevious:
        findAgain(call.command->number == CommandCatalogue::FindPrevious);
        break;
    case CommandCatalogue::FindSelectedText:
        findSelectedText();
        break;
    case CommandCatalogue::ToggleLineMark: {
        const int line = e.GetSel(false).endLine;
        e.setLineMark(line, !e.lineMarked(line));
        break;
    }
    case CommandCatalogue::NextLineMark:
    case CommandCatalogue::PreviousLineMark:
        jumpToMark(call.command->number == CommandCatalogue::NextLineMark);
        break;
    case CommandCatalogue::ClearLineMarks:
        for (int line = 0; line < e.LineCount(); ++line)
            e.setLineMark(line, false);
        break;
    case CommandCatalogue::ResetZoom:
    case CommandCatalogue::SetZoom:
        sciCall(e, Sci::SCI_SETZOOM,
                static_cast<unsigned long>(
                    call.command->number == CommandCatalogue::ResetZoom ? 0 : call.integer));
        break;
    case CommandCatalogue::ShowBlanks:
        sciCall(e, Sci::SCI_SETVIEWWS,
                sciCall(e, Sci::SCI_GETVIEWWS) ? Sci::SCWS_INVISIBLE : Sci::SCWS_VISIBLEALWAYS);
        break;
    case CommandCatalogue::ShowLineEnds:
        sciCall(e, Sci::SCI_SETVIEWEOL, sciCall(e, Sci::SCI_GETVIEWEOL) ? 0 : 1);
        break;
    case CommandCatalogue::WordWrap:
        sciCall(e, Sci::SCI_SETWRAPMODE,
                sciCall(e, Sci::SCI_GETWRAPMODE) ? Sci::SC_WRAP_NONE : Sci::SC_WRAP_WORD);
        break;
    case CommandCatalogue::LineNumbers:
        e.setLineNumbering(!e.LineNumbering());
        break;
    case CommandCatalogue::IndentationGuides:
        sciCall(e, Sci::SCI_SETINDENTATIONGUIDES,
                sciCall(e, Sci::SCI_GETINDENTATIONGUIDES) ? Sci::SC_IV_NONE : Sci::SC_IV_LOOKBOTH);
        break;
    case CommandCatalogue::SetTabWidth:
        sciCall(e, Sci::SCI_SETTABWIDTH, static_cast<unsigned long>(call.integer));
        break;
    case CommandCatalogue::IndentWithBlanks:
        sciCall(e, Sci::SCI_SETUSETABS, sciCall(e, Sci::SCI_GETUSETABS) ? 0 : 1);
        break;
    case CommandCatalogue::TabsToBlanks:
    case CommandCatalogue::RemoveTrailingBlanks:
        editSelectedLines(call.command->number == CommandCatalogue::TabsToBlanks);
        break;
    case CommandCatalogue::InsertText:
        e.setSelText(call.text);
        break;
    case CommandCatalogue::showCompletionList:
        e.showCompletionList();
        break;
    case CommandCatalogue::ReadOnly:
        e.setReadOnly(!e.isReadOnly());
        break;
    case CommandCatalogue::ClearLineColours:
        for (int line = 0; line < e.LineCount(); ++line)
            e.SetLineColor(line, rtfText::NormalLineColour);
        break;
    default:
        m_editor.setLastError(QStringLiteral("The command \"%1\" is not available.")
                                  .arg(QString::fromUtf8(call.command->name)));
        return false;
    }
    return true;
}

void CommandDispatcher::goToLine(int index) {
    const int line = std::min(index, m_editor.LineCount() - 1);
    sciCall(m_editor, Sci::SCI_ENSUREVISIBLEENFORCEPOLICY, static_cast<unsigned long>(line));
    sciCall(m_editor, Sci::SCI_GOTOLINE, static_cast<unsigned long>(line));
}

void CommandDispatcher::askForLine() {
    const int count = m_editor.LineCount();
    QString typed = QString::number(m_editor.GetSel(false).endLine + 1);
    for (;;) {
        const std::optional<QString> answer =
            m_prompts.input(QStringLiteral("Line number (1 - %1):").arg(count), kGoToTitle, typed);
        if (!answer)
            return;
        typed = answer->trimmed();
        bool ok = false;
        const int number = typed.toInt(&ok);
        if (ok && number >= 1 && number <= count) {
            goToLine(number - 1);
            return;
        }
        m_prompts.message(QStringLiteral("\"%1\" is not a line number. Enter a whole number from "
                                         "1 to %2.")
                              .arg(typed)
                              .arg(count),
                          kGoToTitle, MessageIcon::Critical, MessageButtons::Ok);
    }
}

void CommandDispatcher::showFindDialog(bool replace) {
    if (!m_findDialog) {
        m_findDialog = new FindDialog(m_editor, m_prompts, &m_editor);
        QObject::connect(m_findDialog, &FindDialog::searched, m_findDialog,
                         [this](const SearchOptions &options) { m_lastSearch = options; });
    }
    const QString selected = m_editor.SelText();
    const bool oneLine =
        !selected.isEmpty() && !selected.contains(u'\n') && !selected.contains(u'\r');
    m_findDialog->start(replace, oneLine ? selected : m_lastSearch.text);
}

void CommandDispatcher::findAgain(bool backwards) {
    if (m_lastSearch.text.isEmpty()) {
        showFindDialog(false);
        return;
    }
    SearchOptions options = m_lastSearch;
    options.backwards = backwards;
    if (!EditorSearch::findNext(m_editor, options))
        m_prompts.message(EditorSearch::notFoundMessage(options.text), EditorSearch::FindTitle,
                          MessageIcon::Information, MessageButtons::Ok);
}

void CommandDispatcher::findSelectedText() {
    if (m_editor.SelText().isEmpty())
        runOwn(CommandCatalogue::check(CommandCatalogue::SelectWord));
    const QString selected = m_editor.SelText();
    if (selected.isEmpty()) {
        showFindDialog(false);
        return;
    }
    m_lastSearch.text = selected;
    findAgain(false);
}

void CommandDispatcher::indentSelectedLines(bool indent) {
    const TextRange range = m_editor.GetSel(true);
    int last = range.endLine;
    // A selection that ends at the start of a line does not take that line along.
    if (last > range.startLine && range.endColumn == 0)
        --last;
    m_editor.beginUndoAction();
    for (int line = range.startLine; line <= last; ++line) {
        if (indent && m_editor.GetLine(line).isEmpty())
            continue;
        if (indent)
            m_editor.indent(line);
        else
            m_editor.unindent(line);
    }
    m_editor.endUndoAction();
}

void CommandDispatcher::jumpToMark(bool forward) {
    const int line = m_editor.GetSel(false).endLine;
    const int mask = 1;
    const long found =
        forward ? sciCall(m_editor, Sci::SCI_MARKERNEXT, static_cast<unsigned long>(line + 1), mask)
                : sciCall(m_editor, Sci::SCI_MARKERPREVIOUS,
                          static_cast<unsigned long>(std::max(line - 1, 0)), mask);
    if (found >= 0 && (forward || found < line))
        goToLine(int(found));
}

void CommandDispatcher::editSelectedLines(bool tabsOnly) {
    const TextRange range = m_editor.GetSel(true);
    const bool whole = range.startLine == range.endLine && range.startColumn == range.endColumn;
    const int first = whole ? 0 : range.startLine;
    const int last = whole ? m_editor.LineCount() - 1 : range.endLine;
    const int tabWidth = int(sciCall(m_editor, Sci::SCI_GETTABWIDTH));
    m_editor.beginUndoAction();
    for (int line = first; line <= last; ++line) {
        const QString text = m_editor.GetLine(line);
        const QString edited = tabsOnly ? expandTabs(text, tabWidth) : withoutTrailingBlanks(text);
        if (edited == text)
            continue;
        const long start =
            sciCall(m_editor, Sci::SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
        const long end =
            sciCall(m_editor, Sci::SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
        sciCall(m_editor, Sci::SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
        const QByteArray utf8 = edited.toUtf8();
        m_editor.SendScintilla(Sci::SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()),
                               utf8.constData());
    }
    m_editor.endUndoAction();
}
