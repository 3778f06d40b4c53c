#pragma once

#include <QByteArray>
#include <QString>
#include <QWidget>
#include <memory>

class Prompts;
class QAction;
class QLineEdit;
class QMenu;
class QTextBrowser;
class QTextCursor;
class QThread;

// The OPL command reference: OPLCommands.RTF beside the program, shown read-only in a child
// window of the main frame. The main window puts `mnuEdit` in its menu bar while the viewer
// is active, hides its tool bar and "Statusbar" item on textPressed() and restores them on
// closed(). A search field over the text's corner (Ctrl+F; Escape puts it away) finds a
// command's section.
class frmDesc : public QWidget {
    Q_OBJECT
public:
    explicit frmDesc(QWidget *parent = nullptr);
    ~frmDesc() override;

    // The reference file in `programFolder`.
    static QString referencePath(const QString &programFolder);

    // A new viewer showing the reference in `programFolder`, not yet shown. When the file is
    // missing ("OPLCommands.rtf not found!") or cannot be read, tells the user through
    // `prompts` and returns null.
    static frmDesc *open(const QString &programFolder, Prompts &prompts, QWidget *parent = nullptr);

    // Shows `rtf`. Reading and laying out a large reference takes a while, so it happens on a
    // worker thread; loaded() follows when the text is in place.
    void showRtf(const QByteArray &rtf);
    bool isLoading() const;

    // Selects and shows the section whose heading is `name` (case ignored), else the first
    // whose heading starts with it, else the first mention of `name`. False when the text
    // holds no such word.
    bool findCommand(const QString &name);
    // Shows the section of the command `name` (the heading must be `name`), or the top of the
    // reference when there is none. False in that case.
    bool goToCommand(const QString &name);
    // Finds the search field's text again after or before the selection, wrapping around.
    bool findNext(bool backward = false);

    QTextBrowser *txtDesc;
    QMenu *mnuEdit;
    QAction *itmCopy;
    QLineEdit *txtFind;

public Q_SLOTS:
    // Puts the selected text, without formatting, on the clipboard.
    void itmCopy_Click();
    void showFindField();

Q_SIGNALS:
    void textPressed();
    void closed();
    void loaded();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void placeFindField();
    bool showSection(const QString &name, bool prefixToo);
    void showFound(const QTextCursor &found, bool atTop);
    void setFindFailed(bool failed);
    void finishLoading();

    std::unique_ptr<QThread> loader;
    int loadNumber = 0;
    bool closedSent = false;
};
