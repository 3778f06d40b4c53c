#pragma once

#include "analysis/navigator_node.h"
#include "analysis/vocabulary_names.h"
#include "document/disk_watch.h"

#include <QElapsedTimer>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class AppHost;
class CompletionList;
class DocumentLanguage;
class OplLexer;
class Prompts;
class QTreeWidget;
class QTimer;
class QTreeWidgetItem;
class rtfText;
struct AppSettings;
struct ScanResult;

// A document window: the editor `rtfText` with the navigator `Tree` on its left. Its caption
// is "Document " + a number while untitled, else the full path of its file. It owns its
// language definition and completion lists, registered under names no other window uses, so
// a scan of one document never reaches another. What it asks of the main window (its menus,
// status bar and tool bar) it asks by signal.
class frmDocument : public QWidget {
    Q_OBJECT

public:
    // The window load: editor font, line numbers and their colour from the settings, the
    // language from opl.xml and the vocabulary from global.xml in the program folder. A file
    // that is missing or unreadable is reported once per run; the window opens without it.
    explicit frmDocument(AppHost &host, QWidget *parent = nullptr);
    ~frmDocument() override;

    // Re-reads the text into the navigator, lstProc, the language's word lists and a fresh
    // completion list, then tells what the scan found, all in one message box. A text of
    // fewer than 2 lines only gets the colours again.
    void RESCAN();
    // Loads a file: its text, its path as the caption, and a scan. False, with the reason in
    // the editor's lastError(), when the file cannot be loaded; the document is then as it was.
    bool loadFile(const QString &path);
    // Writes the text to `path` in `format`. Before it replaces its own file that another
    // program changed since the document loaded or saved it, it asks; No writes nothing and
    // marks the text modified. A failed write is reported. True when written.
    bool SaveFile(const QString &path, int format);
    // Looks whether another program changed the document's file: a changed file may be
    // reloaded (No keeps the text and marks it modified), a deleted one is reported once.
    void checkFileOnDisk();
    // The editor font of the settings into the editor.
    void applyEditorFont();
    // Shows or hides the navigator.
    void Navigator();
    // Moves to the declaration of CurrentNode, or pastes its text over the selection.
    void NodeGoTo();
    void NodePaste();
    // The syntax colours of the settings into the language.
    void setUIColors();
    // Marks every line that uses a name neither the vocabulary nor a declaration in scope
    // knows, then says whether there were any.
    void FindUndefined();

    // A click on a navigator node: it becomes CurrentNode, and a global, constant, procedure
    // or label asks for the node menu at `globalPos`.
    void nodeClicked(QTreeWidgetItem *item, const QPoint &globalPos);
    // A double click on a node, or Return on it: a global, constant, procedure or label
    // becomes CurrentNode and the editor goes to its declaration, as the menu's Go To does.
    void nodeDoubleClicked(QTreeWidgetItem *item);

    bool IsDeclaredInScope(const QString &name, const QString &procName) const;

    bool NavigatorVisible() const { return m_navigatorVisible; }
    QString LanguageName() const { return m_languageName; }
    QString MemberListName() const { return m_memberListName; }
    const DocumentLanguage &documentLanguage() const { return *m_language; }
    const CompletionList &GlobalMemberList() const { return *m_globalList; }
    // The navigator's nodes in the order the last scan added them.
    const QList<NavigatorNode> &nodes() const { return m_nodes; }

    QSize sizeHint() const override { return {640, 420}; }

    ::rtfText *const rtfText;
    QTreeWidget *const Tree;
    // The names the last scan declared: globals, constants, procedures and OPX functions.
    QStringList lstProc;
    // The node last clicked, or the last one the scan added.
    NavigatorNode CurrentNode;

Q_SIGNALS:
    // The editor's context menu (the main window's Edit menu) at `globalPos`.
    void editMenuRequested(const QPoint &globalPos);
    // The navigator's node menu at `globalPos`.
    void nodeMenuRequested(const QPoint &globalPos);
    // A click in the text: the bars the command reference viewer put away come back.
    void barsRestoreRequested();
    // The caret position for the status bar.
    void statusTextChanged(const QString &text);
    // Files dropped on the editor, to open as Open does.
    void filesDropped(const QStringList &files);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadLanguage();
    void layOut();
    bool askToSave();
    void showCaptionOnFrame();

    void applyScan(const ScanResult &result);
    void replaceCompletionList(const ScanResult &result);
    void fillWordLists(const ScanResult &result);
    QString fillTree(const QList<NavigatorNode> &nodes);
    void playReports(const ScanResult &result);
    void reportFailure(const QString &description);

    void GoToDeclaration(const QString &name, const QString &keyword);
    void GoToLabel(const QString &label);
    void goToLine(int line);
    void ShowCaretPosition();
    void answerCompletionRequest();
    void showEditMenu(const QPoint &globalPos);

    QStringList lines() const;

    AppHost &m_host;
    AppSettings &m_settings;
    Prompts &m_prompts;
    std::shared_ptr<DocumentLanguage> m_language;
    std::shared_ptr<CompletionList> m_globalList;
    OplLexer *m_lexer = nullptr;
    VocabularyNames m_vocabulary;
    QString m_languageName;
    QString m_memberListName;
    QString m_scanListName; // the list of the latest scan, released when replaced
    QList<NavigatorNode> m_nodes;
    QTimer *m_nodeMenuDelay = nullptr; // a click's node menu, unless a double click follows
    QString m_clickedKey;
    QPoint m_clickedAt;
    QElapsedTimer m_doubleClicked;
    bool m_navigatorVisible = true;
    DiskWatch m_disk;
};
