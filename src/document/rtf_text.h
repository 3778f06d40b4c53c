#pragma once

#include "analysis/completion_entry.h"
#include "document/text_range.h"

#include <Qsci/qsciscintilla.h>

#include <QAccessible>
#include <QByteArray>
#include <QFont>
#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class CommandDispatcher;
class CompletionPopup;
class Prompts;
class QPrinter;
class QsciLexer;

// The editor control of a document window. Lines and columns are 0-based and count
// characters (UTF-16 code units, as QString does), whatever the text holds; colours are
// 0x00BBGGRR. Failing operations return false and leave their reason in lastError(), a text
// to show the user as it stands. `Enabled` and `SetFocus` are QWidget's setEnabled() and
// setFocus().
//
// While no assistive technology listens, QScintilla's accessibility code is kept out of the
// way: it counts the characters from the start of the text up to each edit and, after each
// repaint, up to the caret, milliseconds deep into a large source. Edits are then reported
// only before they happen, so QsciScintilla's textChanged() and linesChanged() stay silent.
class rtfText : public QsciScintilla, private QAccessible::ActivationObserver {
    Q_OBJECT

public:
    // The colour that SetLineColor takes for "no line colour".
    static constexpr std::uint32_t NormalLineColour = 16777215;
    // The SetColor item of the line-number colour.
    static constexpr int LineNumberColourItem = 4;

    explicit rtfText(Prompts &prompts, QWidget *parent = nullptr);
    ~rtfText() override;

    // The largest file OpenFile takes, and its longest line in characters: the editor lays
    // out a line whole, and a longer one would keep the window from answering for seconds.
    static constexpr qint64 MaxFileBytes = qint64(256) * 1024 * 1024;
    static constexpr qsizetype MaxLineLength = 500000;

    // Loads a regular file of up to MaxFileBytes and lines of up to MaxLineLength, in any
    // of its encodings and line ends; the text gets CR LF line ends and counts as
    // unmodified. On failure the text stays as it was.
    bool OpenFile(const QString &path);
    // Writes the text with CR LF line ends in format 16 (ASCII = Windows-1252), 32 (UTF-8
    // with BOM) or 64 (UTF-16LE with BOM). The file is replaced only when the whole text was
    // written and flushed; text that the format cannot hold is refused with a message naming
    // the line.
    bool SaveFile(const QString &path, int format);

    QString Text() const;
    void SetText(const QString &text);
    bool Modified() const;
    // Makes the text count as modified although it matches its last load or save, as when the
    // file on disk no longer holds it, until the owner ends it after its next load or save.
    void setModifiedMark(bool on);

    // The font of the whole text and the line numbers, kept across a change of language.
    void SetFont(const QFont &font);
    bool LineNumbering() const { return m_lineNumbering; }
    void setLineNumbering(bool on);
    // Item 4 is the colour of the line numbers; other items are not known (false).
    bool SetColor(int item, std::uint32_t colour);

    // The background of one line; NormalLineColour removes it. False for a line that does not
    // exist.
    bool SetLineColor(int line, std::uint32_t colour);
    std::uint32_t lineColor(int line) const;
    // The mark in the margin beside a line.
    void setLineMark(int line, bool marked);
    bool lineMarked(int line) const;
    // The first marked line after (or before) `line`, going round at the end; -1 for none.
    int nextMarkedLine(int line, bool backward) const;

    int LineCount() const;
    // A line's text without its line end; "" for a line that does not exist.
    QString GetLine(int line) const;
    // Selects a line without its line end, the caret at its end.
    void SelectLine(int line, bool makeVisible);
    // The selection; normalised, its start lies before its end, otherwise the end is the
    // caret.
    TextRange GetSel(bool normalised) const;
    void SetSel(const TextRange &range, bool makeVisible);
    QString SelText() const;
    // Replaces the selection (or inserts at the caret) and puts the caret after the text.
    void setSelText(const QString &text);
    // Inserts at a line and column; the selection keeps its place in the text.
    void InsertText(const QString &text, int line, int column);

    // Runs a command of the catalogue (numbers 99 to 222). An empty argument is no argument.
    // The text form takes the number as text, as the execute-command dialog passes it.
    bool ExecuteCmd(int command, const QString &argument = {});
    bool ExecuteCmd(int command, int argument);
    bool ExecuteCmd(const QString &command, const QString &argument = {});

    // Prints the whole text. Options are flags: 2 the document's colours (otherwise black on
    // white), 4 line numbers, 8 a page header with the caption and the page number; 62
    // holds all three. An empty caption takes the title of the window the control is in.
    bool PrintContents(QPrinter &printer, int options, const QString &caption = {});

    // The colouring language; null for plain text. The control does not own it.
    void setLanguage(QsciLexer *language);
    // Styles the whole text again, e.g. after the language's word lists changed.
    void Restyle();
    // The flag set once at load: offer the completion list while a name is typed (after its
    // third character). Ctrl+Space offers it at any time.
    void setCompletionWhileTyping(bool on);
    // Called before the owner shows its context menu: closes the control's own pop-ups.
    void prepareContextMenu();

    // The answer to completionListRequested(), given while that signal is handled.
    void setCompletionList(const QList<CompletionEntry> &entries);
    // Asks for the completion list and shows it for the partial name before the caret.
    void showCompletionList();

    // Byte position in the editor's buffer of a line and column, and back.
    long positionOf(int line, int column) const;
    int columnOf(long position) const;

    QString lastError() const { return m_lastError; }
    void setLastError(const QString &error) { m_lastError = error; }

Q_SIGNALS:
    void contextMenuRequested(const QPoint &globalPos);
    // The caret or the selection may have moved.
    void caretMoved();
    // A mouse button went down: button 1 left, 2 right, 4 middle; shift 1 Shift, 2 Ctrl,
    // 4 Alt; x and y in pixels within the text area.
    void mouseDown(int button, int shift, int x, int y);
    // Answer with setCompletionList().
    void completionListRequested();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QByteArray bytes(long start, long end) const;
    void replaceBytes(long start, long end, const QByteArray &utf8);
    int markerForColour(std::uint32_t colour);
    void applyLookAndFeel();
    void updateLineNumberWidth();
    void fitLineNumberMargin();
    void followLineCount();
    void accessibilityActiveChanged(bool active) override;
    void reportEditsAfterwards(bool on);
    static QAccessibleInterface *accessibleInterfaceFor(const QString &className, QObject *object);

    std::unique_ptr<CommandDispatcher> m_commands;
    QString m_lastError;
    QFont m_font;
    bool m_lineNumbering = true;
    int m_marginDigits = 0;
    bool m_lineCountFollowUpDue = false;
    bool m_accessibilityActive = false;
    bool m_modifiedMark = false;
    std::uint32_t m_lineNumberColour = 8421504;
    CompletionPopup *m_completion = nullptr;                    // a child
    std::vector<std::pair<std::uint32_t, int>> m_colourMarkers; // colour, marker number
};
