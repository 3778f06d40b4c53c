#pragma once

#include "app/toolbar_layout.h"
#include "base/window_placement.h"

#include <QMainWindow>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QStatusBar;
class QToolBar;
class HelpCommands;
class frmDocument;
class mdlMAIN;

// The main window: a multiple-document frame with the menus, the tool bar and the status
// bar. Menu captions and tool-bar tooltips are string-table entry numbers until the load
// localises them. Every menu entry is reachable by its control name.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(mdlMAIN &module, QWidget *parent = nullptr);
    ~frmMain() override;

    // Localises the captions, restores the placement and reads the settings file. Runs once,
    // before the window is first shown. Without `files` to open it starts with a new document
    // holding the most recent file; otherwise start() opens them once the window shows.
    void MDIForm_Load(bool filesToOpen = false);

    // Opens each file as Open does (files from the command line or dropped on the window).
    void openFiles(const QStringList &files);
    // Asks about each document whose file another program changed or deleted; runs whenever
    // the program becomes active again.
    void checkFilesOnDisk();

    // The active child window (also while another application has the focus), or null.
    QMdiSubWindow *activeChild() const;

    // The first status-bar panel, where the active document shows its caret position.
    void setStatusPanelText(const QString &text);
    QString statusPanelText() const;

    // Recent-file entry `index` (1..3): shows `path` and makes it and mnuFileBar5 visible.
    // The caption shows the path as it is; the entry keeps the path itself, since a caption
    // needs "&" doubled.
    void showRecentFileEntry(int index, const QString &path);
    QString recentFileEntryPath(int index) const;

    void setTranslatorCommandsEnabled(bool enabled);

    // Shows the "Statusbar" item again and the tool bar as the "Palette" check says: what the
    // command reference viewer puts away while the user works in it.
    void restoreBarsAfterViewer();
    // The Help menu's commands: the command reference viewer and the about box.
    HelpCommands &helpCommands() const { return *m_helpCommands; }

    // No context menu over the bars: the View menu alone shows and hides them, so its check
    // marks always tell the truth.
    QMenu *createPopupMenu() override { return nullptr; }

    // The tool-bar button with `key` ("Neu", "Speichern" ...), or null.
    QAction *toolbarButton(const QString &key) const;

    // Tool-bar handlers: a click on the button with `key`, and a choice in the save
    // button's format drop-down.
    void tbToolBar_ButtonClick(const QString &key);
    void tbToolBar_ButtonMenuClick(const QString &entryText);

    // The document windows: the active one (null when the active child is no document or
    // there is none), all of them in creation order, and how many NewDocument has made (never
    // less: numbers are not used twice).
    frmDocument *activeDocument() const;
    QList<frmDocument *> documents() const;
    int DocumentCount() const { return m_documentCount; }

    // Commands reached from the tool bar and the menus. Those that act on the active document
    // do nothing without one.
    void NewDocument();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFileTranslate_Click();
    void mnuFilePrint_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuEditCom_Click();
    void mnuEditUncom_Click();
    void mnuEditGoTo_Click();
    void mnuEditRunCom_Click();
    void executeEditorCommand(int command);
    void fontCommand();
    void switchLineNumbers();
    void navigatorCommand();
    void mnuFileRefresh_Click();
    void itmFindUndefined_Click();
    void mnuNodeGoTo_Click();
    void mnuNodePaste_Click();

    QMenu *mnuFile = nullptr;
    QAction *mnuFileNew = nullptr;
    QAction *mnuFileOpen = nullptr;
    QAction *mnuFileClose = nullptr;
    QAction *mnuFileBar0 = nullptr;
    QAction *mnuFileSave = nullptr;
    QAction *mnuFileSaveAs = nullptr;
    QAction *mnuFileBar6 = nullptr;
    QAction *mnuFileRefresh = nullptr;
    QMenu *mnuFileTrans = nullptr;
    QAction *mnuFileTranslate = nullptr;
    QAction *mnuFileTransConv = nullptr;
    QAction *mnuFileBar1 = nullptr;
    QAction *mnuFilePrint = nullptr;
    QAction *mnuFileBar3 = nullptr;
    std::array<QAction *, 4> mnuFileMRU{}; // 1..3
    QAction *mnuFileBar5 = nullptr;
    QAction *mnuFileExit = nullptr;

    QMenu *mnuEdit = nullptr;
    QAction *mnuEditUndo = nullptr;
    QAction *mnuEditRedo = nullptr;
    QAction *mnuEditBar0 = nullptr;
    QAction *mnuEditCut = nullptr;
    QAction *mnuEditCopy = nullptr;
    QAction *mnuEditPaste = nullptr;
    QAction *menEditTBR2 = nullptr;
    QAction *mnuEditFind = nullptr;
    QAction *mnuEditFindNext = nullptr;
    QAction *mnuEditFR = nullptr;
    QAction *mnuEditGoTo = nullptr;
    QAction *menEditTBR3 = nullptr;
    QAction *mnuEditIncInd = nullptr;
    QAction *mnuEditDecInd = nullptr;
    QAction *mnuEditCom = nullptr;
    QAction *mnuEditUncom = nullptr;
    QAction *mnuEditRunCom = nullptr;
    QAction *itmJumpToMatch = nullptr;
    QAction *itmFindUndefined = nullptr;

    QMenu *mnuView = nullptr;
    QAction *mnuViewToolbar = nullptr;
    QAction *mnuViewStatusBar = nullptr;
    QAction *mnuViewTrenn = nullptr;
    QAction *mnuFileTransSettings = nullptr;

    QMenu *mnuWindow = nullptr;
    QAction *mnuWindowNewWindow = nullptr;
    QAction *mnuWindowBar0 = nullptr;
    QAction *mnuWindowCascade = nullptr;
    QAction *mnuWindowTileHorizontal = nullptr;
    QAction *mnuWindowTileVertical = nullptr;
    QAction *mnuWindowArrangeIcons = nullptr;

    QMenu *mnuHelp = nullptr;
    QAction *mnuHelpContents = nullptr;
    QAction *mnuHelpBar0 = nullptr;
    QAction *mnuHelpAbout = nullptr;

    // The navigator's pop-up menu; never part of the menu bar.
    QMenu *mnuNode = nullptr;
    QAction *mnuNodeGoTo = nullptr;
    QAction *mnuNodePaste = nullptr;

    QToolBar *tbToolBar = nullptr;
    QMenu *tbSaveFormatMenu = nullptr; // the drop-down of "Speichern"
    QStatusBar *sbStatusBar = nullptr;
    QLabel *sbPanelText = nullptr;
    QLabel *sbPanelDate = nullptr;
    QLabel *sbPanelTime = nullptr;
    QMdiArea *mdiArea = nullptr;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildFileMenu();
    void buildEditMenu();
    void buildViewAndWindowMenus();
    void buildNodeMenu();
    void buildToolBar();
    void buildStatusBar();
    void connectCommands();
    void connectDocumentCommands();
    void connectEditingCommands();
    void reopenMostRecentFile();

    void runToolbarCommand(ToolbarCommand command);
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void listChildWindows();
    void updateClock();

    void MDIForm_Unload();
    void applyPlacement(const std::optional<WindowPlacement> &stored);
    PixelPlacement pixelPlacement() const;

    mdlMAIN &m_module;
    WindowPlacement m_restoredPlacement;
    QList<QAction *> m_windowListActions;
    QTimer m_clockTimer;
    int m_documentCount = 0;
    bool m_checkingFiles = false;
    // A member rather than a child object, so it is gone before the window's own teardown hides
    // the child windows and the area reports activations to it.
    std::unique_ptr<HelpCommands> m_helpCommands;
};
