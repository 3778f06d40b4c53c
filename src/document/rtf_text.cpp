#include "document/rtf_text.h"

#include "base/disk_file.h"
#include "base/text_codec.h"
#include "document/command_catalogue.h"
#include "document/command_dispatcher.h"
#include "document/completion_popup.h"
#include "document/document_printer.h"
#include "document/scintilla_call.h"
#include "document/utf8_columns.h"

#include <Qsci/qscilexer.h>

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cerrno>

namespace {

constexpr int LineNumberMargin = 0;
constexpr int MarkMargin = 1;
constexpr int LineMarkMarker = 0;
// Line colours take markers 1..24; 25..31 belong to folding.
constexpr int FirstColourMarker = 1;
constexpr int LastColourMarker = 24;

unsigned long asBgr(std::uint32_t colour) {
    return colour & 0xFFFFFFu;
}

// The digits the line-number margin makes room for: at least three.
int marginDigits(int lineCount) {
    int digits = 3;
    for (long long limit = 1000; lineCount >= limit; limit *= 10)
        ++digits;
    return digits;
}

// The 0-based number of the first line of `text` (CR LF line ends) longer than `limit`
// characters, or -1.
qsizetype firstLineLongerThan(QStringView text, qsizetype limit) {
    qsizetype line = 0;
    for (qsizetype start = 0; start < text.size(); ++line) {
        const qsizetype end = text.indexOf(u'\n', start);
        const qsizetype length = end < 0 ? text.size() - start : end - 1 - start;
        if (length > limit)
            return line;
        if (end < 0)
            break;
        start = end + 1;
    }
    return -1;
}

} // namespace

rtfText::rtfText(Prompts &prompts, QWidget *parent)
    : QsciScintilla(parent), m_commands(std::make_unique<CommandDispatcher>(*this, prompts)) {
    // Before anything asks for the control's accessible interface.
    static const bool ownAccessibleInstalled = [] {
        QAccessible::installFactory(&rtfText::accessibleInterfaceFor);
        return true;
    }();
    Q_UNUSED(ownAccessibleInstalled)
    QAccessible::installActivationObserver(this);
    reportEditsAfterwards(QAccessible::isActive());

    setUtf8(true);
    setEolMode(EolWindows);
    setAutoIndent(true);
    setBraceMatching(SloppyBraceMatch);
    // Completion is ours: the list comes from the document, not from QScintilla's APIs.
    setAutoCompletionSource(AcsNone);
    setCallTipsStyle(CallTipsNone);
    m_completion = new CompletionPopup(*this);

    setMarginType(LineNumberMargin, NumberMargin);
    setMarginType(MarkMargin, SymbolMargin);
    setMarginMarkerMask(LineNumberMargin, 0);
    setMarginMarkerMask(MarkMargin, 1 << LineMarkMarker);
    setMarginWidth(MarkMargin, 14);
    setMarginSensitivity(MarkMargin, true);
    markerDefine(Circle, LineMarkMarker);
    setMarkerBackgroundColor(QColor(220, 40, 40), LineMarkMarker);

    m_font = QsciScintilla::font();
    applyLookAndFeel();

    connect(this, &QsciScintillaBase::SCN_MODIFIED, this, &rtfText::followLineCount);
    connect(this, &QsciScintilla::cursorPositionChanged, this, [this] { Q_EMIT caretMoved(); });
    connect(this, &QsciScintilla::selectionChanged, this, [this] { Q_EMIT caretMoved(); });
    connect(this, &QsciScintilla::marginClicked, this, [this](int margin, int line) {
        if (margin == MarkMargin)
            setLineMark(line, !lineMarked(line));
    });
}

rtfText::~rtfText() {
    QAccessible::removeActivationObserver(this);
}

bool rtfText::OpenFile(const QString &path) {
    const DiskFile::ReadResult file = DiskFile::read(path, MaxFileBytes);
    if (file.status == DiskFile::ReadResult::Status::Unreadable) {
        m_lastError = file.error;
        return false;
    }
    if (file.status == DiskFile::ReadResult::Status::Missing) {
        const QFileInfo info(path.contains(QChar(0)) ? QString() : path);
        if (info.isDir())
            m_lastError = QStringLiteral("%1 is a folder, not a file.").arg(path);
        else if (!info.exists())
            m_lastError = qt_error_string(ENOENT);
        else if (!info.isFile())
            m_lastError = QStringLiteral("%1 is not a regular file.").arg(path);
        else
            m_lastError = QStringLiteral("%1 is larger than %2 MB, too large to open.")
                              .arg(path)
                              .arg(MaxFileBytes >> 20);
        return false;
    }
    const QString text = TextCodec::toCrLf(TextCodec::decodeText(file.bytes));
    if (const qsizetype line = firstLineLongerThan(text, MaxLineLength); line >= 0) {
        m_lastError =
            QStringLiteral("Line %1 of %2 is longer than %3 characters, too long to open.")
                .arg(line + 1)
                .arg(path)
                .arg(MaxLineLength);
        return false;
    }
    const QByteArray utf8 = text.toUtf8();

    const bool wasReadOnly = isReadOnly();
    setReadOnly(false);
    sciCall(*this, SCI_SETUNDOCOLLECTION, 0);
    sciCall(*this, SCI_CLEARALL);
    SendScintilla(SCI_APPENDTEXT, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    sciCall(*this, SCI_SETUNDOCOLLECTION, 1);
    sciCall(*this, SCI_EMPTYUNDOBUFFER);
    sciCall(*this, SCI_MARKERDELETEALL, static_cast<unsigned long>(-1));
    sciCall(*this, SCI_GOTOPOS, 0);
    sciCall(*this, SCI_SETSAVEPOINT);
    setReadOnly(wasReadOnly);
    fitLineNumberMargin();
    return true;
}

bool rtfText::SaveFile(const QString &path, int format) {
    if (format != TextCodec::Ascii && format != TextCodec::Utf8 && format != TextCodec::Unicode) {
        m_lastError = QStringLiteral("%1 is not a save format (16, 32 or 64).").arg(format);
        return false;
    }
    const TextCodec::EncodeResult encoded =
        TextCodec::encodeText(Text(), static_cast<TextCodec::Format>(format));
    if (!encoded.ok) {
        m_lastError = encoded.errorMessage;
        return false;
    }
    const DiskFile::WriteResult written = DiskFile::replace(path, encoded.bytes);
    if (!written.ok) {
        m_lastError = written.error;
        return false;
    }
    sciCall(*this, SCI_SETSAVEPOINT);
    return true;
}

QByteArray rtfText::bytes(long start, long end) const {
    // A copy of the range: asking for a pointer into the buffer would move the buffer's gap
    // to its end, a copy of the whole text after each keystroke.
    if (end <= start)
        return {};
    QByteArray range(end - start + 1, Qt::Uninitialized);
    SendScintilla(SCI_GETTEXTRANGE, start, end, range.data());
    range.chop(1);
    return range;
}

void rtfText::replaceBytes(long start, long end, const QByteArray &utf8) {
    sciCall(*this, SCI_SETTARGETRANGE, static_cast<unsigned long>(start), end);
    SendScintilla(SCI_REPLACETARGET, static_cast<uintptr_t>(utf8.size()), utf8.constData());
    fitLineNumberMargin();
}

QString rtfText::Text() const {
    const auto *buffer = static_cast<const char *>(SendScintillaPtrResult(SCI_GETCHARACTERPOINTER));
    return QString::fromUtf8(buffer, sciCall(*this, SCI_GETLENGTH));
}

void rtfText::SetText(const QString &text) {
    replaceBytes(0, sciCall(*this, SCI_GETLENGTH), text.toUtf8());
    sciCall(*this, SCI_GOTOPOS, 0);
}

bool rtfText::Modified() const {
    return m_modifiedMark || sciCall(*this, SCI_GETMODIFY) != 0;
}

void rtfText::setModifiedMark(bool on) {
    m_modifiedMark = on;
    Q_EMIT modificationChanged(Modified());
}

void rtfText::SetFont(const QFont &font) {
    m_font = font;
    applyLookAndFeel();
}

void rtfText::setLineNumbering(bool on) {
    m_lineNumbering = on;
    updateLineNumberWidth();
}

bool rtfText::SetColor(int item, std::uint32_t colour) {
    if (item != LineNumberColourItem)
        return false;
    m_lineNumberColour = colour & 0xFFFFFFu;
    sciCall(*this, SCI_STYLESETFORE, STYLE_LINENUMBER, long(m_lineNumberColour));
    return true;
}

void rtfText::applyLookAndFeel() {
    if (QsciLexer *language = lexer()) {
        language->setDefaultFont(m_font);
        language->setFont(m_font);
    } else {
        QsciScintilla::setFont(m_font);
    }
    setMarginsFont(m_font);
    SetColor(LineNumberColourItem, m_lineNumberColour);
    updateLineNumberWidth();
}

QAccessibleInterface *rtfText::accessibleInterfaceFor(const QString &className, QObject *object) {
    // Asked before QScintilla's own factory, which would answer for the base class. A plain
    // widget interface answers while no assistive technology listens, so QScintilla's never
    // exists then: its updates after each repaint would find it and count characters.
    if (className != QLatin1String(staticMetaObject.className()))
        return nullptr;
    auto *editor = qobject_cast<rtfText *>(object);
    if (!editor || editor->m_accessibilityActive)
        return nullptr;
    return new QAccessibleWidget(editor, QAccessible::EditableText);
}

void rtfText::accessibilityActiveChanged(bool active) {
    reportEditsAfterwards(active);
    // The interface made for the other state goes; the next query makes the fitting one.
    if (QAccessibleInterface *known = QAccessible::queryAccessibleInterface(this))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(known));
}

void rtfText::reportEditsAfterwards(bool on) {
    // QScintilla answers a report of an edit made, before any handler sees it, with a count of
    // the characters from the start of the text to the edit, for screen readers. Reports of
    // edits to come cost nothing and are enough for the line-number margin.
    m_accessibilityActive = on;
    sciCall(*this, SCI_SETMODEVENTMASK,
            on ? SC_MODEVENTMASKALL
               : SC_MOD_BEFOREINSERT | SC_MOD_BEFOREDELETE | SC_MOD_CHANGEFOLD);
}

void rtfText::followLineCount() {
    // One update for all the edits of a turn of the event loop (a paste, a replace-all).
    if (m_lineCountFollowUpDue)
        return;
    m_lineCountFollowUpDue = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_lineCountFollowUpDue = false;
            fitLineNumberMargin();
        },
        Qt::QueuedConnection);
}

void rtfText::fitLineNumberMargin() {
    if (marginDigits(LineCount()) != m_marginDigits)
        updateLineNumberWidth();
}

void rtfText::updateLineNumberWidth() {
    m_marginDigits = marginDigits(LineCount());
    if (!m_lineNumbering) {
        setMarginWidth(LineNumberMargin, 0);
        return;
    }
    const QByteArray sample = "_" + QByteArray(m_marginDigits, '9');
    SendScintilla(SCI_SETMARGINWIDTHN, LineNumberMargin,
                  SendScintilla(SCI_TEXTWIDTH, STYLE_LINENUMBER, sample.constData()));
}

int rtfText::markerForColour(std::uint32_t colour) {
    for (const auto &[known, marker] : m_colourMarkers)
        if (known == colour)
            return marker;
    int marker = FirstColourMarker + int(m_colourMarkers.size());
    if (marker <= LastColourMarker) {
        m_colourMarkers.emplace_back(colour, marker);
    } else {
        // Every marker is taken: reuse one that no line shows any more, or else the oldest
        // (its lines take the new colour).
        auto reused = m_colourMarkers.begin();
        for (auto it = m_colourMarkers.begin(); it != m_colourMarkers.end(); ++it)
            if (sciCall(*this, SCI_MARKERNEXT, 0, 1L << it->second) < 0) {
                reused = it;
                break;
            }
        marker = reused->second;
        m_colourMarkers.erase(reused);
        m_colourMarkers.emplace_back(colour, marker);
    }
    sciCall(*this, SCI_MARKERDEFINE, static_cast<unsigned long>(marker), SC_MARK_BACKGROUND);
    sciCall(*this, SCI_MARKERSETBACK, static_cast<unsigned long>(marker), long(colour));
    return marker;
}

bool rtfText::SetLineColor(int line, std::uint32_t colour) {
    if (line < 0 || line >= LineCount())
        return false;
    for (const auto &entry : m_colourMarkers)
        sciCall(*this, SCI_MARKERDELETE, static_cast<unsigned long>(line), entry.second);
    colour = asBgr(colour);
    if (colour != NormalLineColour)
        sciCall(*this, SCI_MARKERADD, static_cast<unsigned long>(line), markerForColour(colour));
    return true;
}

std::uint32_t rtfText::lineColor(int line) const {
    const long mask = sciCall(*this, SCI_MARKERGET, static_cast<unsigned long>(line));
    for (const auto &[colour, marker] : m_colourMarkers)
        if (mask & (1L << marker))
            return colour;
    return NormalLineColour;
}

void rtfText::setLineMark(int line, bool marked) {
    if (line < 0 || line >= LineCount())
        return;
    if (marked && !lineMarked(line))
        markerAdd(line, LineMarkMarker);
    else if (!marked)
        markerDelete(line, LineMarkMarker);
}

bool rtfText::lineMarked(int line) const {
    return sciCall(*this, SCI_MARKERGET, static_cast<unsigned long>(line)) & (1L << LineMarkMarker);
}

int rtfText::nextMarkedLine(int line, bool backward) const {
    const long mask = 1L << LineMarkMarker;
    if (backward) {
        const long found = line > 0 ? sciCall(*this, SCI_MARKERPREVIOUS, line - 1, mask) : -1;
        return int(found >= 0 ? found : sciCall(*this, SCI_MARKERPREVIOUS, LineCount() - 1, mask));
    }
    const long found = sciCall(*this, SCI_MARKERNEXT, line + 1, mask);
    return int(found >= 0 ? found : sciCall(*this, SCI_MARKERNEXT, 0, mask));
}

int rtfText::LineCount() const {
    return int(sciCall(*this, SCI_GETLINECOUNT));
}

QString rtfText::GetLine(int line) const {
    if (line < 0 || line >= LineCount())
        return {};
    const long start = sciCall(*this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = sciCall(*this, SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    return QString::fromUtf8(bytes(start, end));
}

long rtfText::positionOf(int line, int column) const {
    line = std::clamp(line, 0, LineCount() - 1);
    const long start = sciCall(*this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = sciCall(*this, SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    return start + long(Utf8Columns::byteOffset(bytes(start, end), column));
}

int rtfText::columnOf(long position) const {
    const long line = sciCall(*this, SCI_LINEFROMPOSITION, static_cast<unsigned long>(position));
    const long start = sciCall(*this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    return Utf8Columns::columnCount(bytes(start, position));
}

void rtfText::SelectLine(int line, bool makeVisible) {
    if (line < 0 || line >= LineCount())
        return;
    const long start = sciCall(*this, SCI_POSITIONFROMLINE, static_cast<unsigned long>(line));
    const long end = sciCall(*this, SCI_GETLINEENDPOSITION, static_cast<unsigned long>(line));
    if (makeVisible)
        sciCall(*this, SCI_SETSEL, static_cast<unsigned long>(start), end);
    else
        sciCall(*this, SCI_SETSELECTION, static_cast<unsigned long>(end), start);
}

TextRange rtfText::GetSel(bool normalised) const {
    long anchor = sciCall(*this, SCI_GETANCHOR);
    long caret = sciCall(*this, SCI_GETCURRENTPOS);
    if (normalised && anchor > caret)
        std::swap(anchor, caret);
    auto lineOf = [this](long position) {
        return int(sciCall(*this, SCI_LINEFROMPOSITION, static_cast<unsigned long>(position)));
    };
    return {lineOf(anchor), columnOf(anchor), lineOf(caret), columnOf(caret)};
}

void rtfText::SetSel(const TextRange &range, bool makeVisible) {
    const long anchor = positionOf(range.startLine, range.startColumn);
    const long caret = positionOf(range.endLine, range.endColumn);
    if (makeVisible) {
        ensureLineVisible(range.endLine);
        sciCall(*this, SCI_SETSEL, static_cast<unsigned long>(anchor), caret);
    } else {
        sciCall(*this, SCI_SETSELECTION, static_cast<unsigned long>(caret), anchor);
    }
}

QString rtfText::SelText() const {
    return QString::fromUtf8(
        bytes(sciCall(*this, SCI_GETSELECTIONSTART), sciCall(*this, SCI_GETSELECTIONEND)));
}

void rtfText::setSelText(const QString &text) {
    const long start = sciCall(*this, SCI_GETSELECTIONSTART);
    replaceBytes(start, sciCall(*this, SCI_GETSELECTIONEND), text.toUtf8());
    sciCall(*this, SCI_GOTOPOS, static_cast<unsigned long>(sciCall(*this, SCI_GETTARGETEND)));
}

void rtfText::InsertText(const QString &text, int line, int column) {
    const long position = positionOf(line, column);
    replaceBytes(position, position, text.toUtf8());
}

bool rtfText::ExecuteCmd(int command, const QString &argument) {
    return m_commands->run(CommandCatalogue::check(command, argument));
}

bool rtfText::ExecuteCmd(int command, int argument) {
    return ExecuteCmd(command, QString::number(argument));
}

bool rtfText::ExecuteCmd(const QString &command, const QString &argument) {
    return m_commands->run(CommandCatalogue::check(command, argument));
}

bool rtfText::PrintContents(QPrinter &printer, int options, const QString &caption) {
    QString title = caption;
    for (const QWidget *w = this; title.isEmpty() && w; w = w->parentWidget())
        title = w->windowTitle();
    if (!DocumentPrinter::print(*this, printer, options, title)) {
        m_lastError = QStringLiteral("The text could not be printed.");
        return false;
    }
    return true;
}

void rtfText::setLanguage(QsciLexer *language) {
    setLexer(language);
    applyLookAndFeel();
}

void rtfText::Restyle() {
    sciCall(*this, SCI_COLOURISE, 0, -1);
}

void rtfText::prepareContextMenu() {
    sciCall(*this, SCI_AUTOCCANCEL);
    sciCall(*this, SCI_CALLTIPCANCEL);
}

void rtfText::setCompletionWhileTyping(bool on) {
    m_completion->setWhileTyping(on);
}

void rtfText::setCompletionList(const QList<CompletionEntry> &entries) {
    m_completion->answer(entries);
}

void rtfText::showCompletionList() {
    m_completion->show();
}

void rtfText::contextMenuEvent(QContextMenuEvent *event) {
    Q_EMIT contextMenuRequested(event->globalPos());
    event->accept();
}

void rtfText::keyPressEvent(QKeyEvent *event) {
    const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
    // Alt with a letter or digit is meant for the window, not the text: leave it to the
    // parents instead of typing the letter.
    if (mods == Qt::AltModifier && ((event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) ||
                                    (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_9))) {
        event->ignore();
        return;
    }
    if (mods == Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_F:
            ExecuteCmd(CommandCatalogue::Find);
            return;
        case Qt::Key_H:
            ExecuteCmd(CommandCatalogue::FindAndReplace);
            return;
        case Qt::Key_G:
            ExecuteCmd(CommandCatalogue::GoToLine, -1);
            return;
        case Qt::Key_Space:
            showCompletionList();
            return;
        default:
            break;
        }
    }
    if (event->key() == Qt::Key_F3 && (mods == Qt::NoModifier || mods == Qt::ShiftModifier)) {
        ExecuteCmd(mods == Qt::NoModifier ? 175 : 176);
        return;
    }
    QsciScintilla::keyPressEvent(event);
}

void rtfText::mousePressEvent(QMouseEvent *event) {
    int button = 0;
    if (event->button() == Qt::LeftButton)
        button = 1;
    else if (event->button() == Qt::RightButton)
        button = 2;
    else if (event->button() == Qt::MiddleButton)
        button = 4;
    const Qt::KeyboardModifiers mods = event->modifiers();
    const int shift = (mods & Qt::ShiftModifier ? 1 : 0) | (mods & Qt::ControlModifier ? 2 : 0) |
                      (mods & Qt::AltModifier ? 4 : 0);
    const QPoint at = event->position().toPoint();
    Q_EMIT mouseDown(button, shift, at.x(), at.y());
    QsciScintilla::mousePressEvent(event);
}
