#include "app/frm_main.h"

#include "app/toolbar_icons.h"
#include "base/string_table.h"

#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

// The design of the menus and the tool bar. Captions and tooltips are string-table entry
// numbers here; the load replaces them with the texts. Tool-bar buttons, which show no
// caption, take theirs from the table at once.

namespace {

QAction *item(QMenu *menu, const char *name, int entry, const QKeySequence &shortcut = {}) {
    QAction *action = menu->addAction(QString::number(entry));
    action->setObjectName(QLatin1String(name));
    action->setShortcut(shortcut);
    return action;
}

QAction *separator(QMenu *menu, const char *name) {
    QAction *action = menu->addSeparator();
    action->setObjectName(QLatin1String(name));
    return action;
}

template <typename Parent> QMenu *subMenu(Parent *parent, const char *name, int entry) {
    QMenu *menu = parent->addMenu(QString::number(entry));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

QIcon toolbarIcon(int image) {
    QIcon icon;
    icon.addPixmap(ToolbarIcons::image(image, 1.0));
    icon.addPixmap(ToolbarIcons::image(image, 2.0));
    return icon;
}

} // namespace

void frmMain::buildMenus() {
    buildFileMenu();
    buildEditMenu();
    buildViewAndWindowMenus();
    mnuHelp = subMenu(menuBar(), "mnuHelp", 1031);
    mnuHelpContents = item(mnuHelp, "mnuHelpContents", 1032);
    mnuHelpBar0 = separator(mnuHelp, "mnuHelpBar0");
    mnuHelpAbout = item(mnuHelp, "mnuHelpAbout", 1034);
    buildNodeMenu();
}

void frmMain::buildFileMenu() {
    mnuFile = subMenu(menuBar(), "mnuFile", 1000);
    mnuFileNew = item(mnuFile, "mnuFileNew", 1001, QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = item(mnuFile, "mnuFileOpen", 1002, QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = item(mnuFile, "mnuFileClose", 1003);
    mnuFileBar0 = separator(mnuFile, "mnuFileBar0");
    mnuFileSave = item(mnuFile, "mnuFileSave", 1004, QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = item(mnuFile, "mnuFileSaveAs", 1005);
    mnuFileBar6 = separator(mnuFile, "mnuFileBar6");
    mnuFileRefresh = item(mnuFile, "mnuFileRefresh", 1009, QKeySequence(Qt::Key_F5));
    mnuFileTrans = subMenu(mnuFile, "mnuFileTrans", 1011);
    mnuFileTranslate = item(mnuFileTrans, "mnuFileTranslate", 1007);
    mnuFileTransConv = item(mnuFileTrans, "mnuFileTransConv", 1069);
    mnuFileBar1 = separator(mnuFile, "mnuFileBar1");
    mnuFilePrint = item(mnuFile, "mnuFilePrint", 1010, QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuFileBar3 = separator(mnuFile, "mnuFileBar3");
    for (int i = 1; i <= 3; ++i) {
        mnuFileMRU[i] = mnuFile->addAction(QString());
        mnuFileMRU[i]->setObjectName(QStringLiteral("mnuFileMRU%1").arg(i));
        mnuFileMRU[i]->setVisible(false);
    }
    mnuFileBar5 = separator(mnuFile, "mnuFileBar5");
    mnuFileExit = item(mnuFile, "mnuFileExit", 1012, QKeySequence(Qt::CTRL | Qt::Key_Q));
}

void frmMain::buildEditMenu() {
    mnuEdit = subMenu(menuBar(), "mnuEdit", 1013);
    mnuEditUndo = item(mnuEdit, "mnuEditUndo", 1014, QKeySequence(Qt::CTRL | Qt::Key_Z));
    mnuEditRedo = item(mnuEdit, "mnuEditRedo", 1040, QKeySequence(Qt::CTRL | Qt::Key_Y));
    mnuEditBar0 = separator(mnuEdit, "mnuEditBar0");
    mnuEditCut = item(mnuEdit, "mnuEditCut", 1015, QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuEditCopy = item(mnuEdit, "mnuEditCopy", 1016, QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuEditPaste = item(mnuEdit, "mnuEditPaste", 1017, QKeySequence(Qt::CTRL | Qt::Key_V));
    menEditTBR2 = separator(mnuEdit, "menEditTBR2");
    mnuEditFind = item(mnuEdit, "mnuEditFind", 1041, QKeySequence(Qt::CTRL | Qt::Key_F));
    // The table has no text for it; the editor's own name of the command.
    mnuEditFindNext = mnuEdit->addAction(QStringLiteral("Find &Next"));
    mnuEditFindNext->setObjectName(QStringLiteral("mnuEditFindNext"));
    mnuEditFindNext->setShortcut(QKeySequence(Qt::Key_F3));
    mnuEditFR = item(mnuEdit, "mnuEditFR", 1079, QKeySequence(Qt::CTRL | Qt::Key_H));
    mnuEditGoTo = item(mnuEdit, "mnuEditGoTo", 1006, QKeySequence(Qt::CTRL | Qt::Key_G));
    menEditTBR3 = separator(mnuEdit, "menEditTBR3");
    mnuEditIncInd = item(mnuEdit, "mnuEditIncInd", 1045);
    mnuEditDecInd = item(mnuEdit, "mnuEditDecInd", 1046);
    mnuEditCom = item(mnuEdit, "mnuEditCom", 1047);
    mnuEditUncom = item(mnuEdit, "mnuEditUncom", 1048);
    mnuEditRunCom = item(mnuEdit, "mnuEditRunCom", 1085);
    itmJumpToMatch = item(mnuEdit, "itmJumpToMatch", 1099);
    itmFindUndefined = item(mnuEdit, "itmFindUndefined", 1100);
}

void frmMain::buildViewAndWindowMenus() {
    mnuView = subMenu(menuBar(), "mnuView", 1019);
    mnuViewToolbar = item(mnuView, "mnuViewToolbar", 1020);
    mnuViewToolbar->setCheckable(true);
    mnuViewToolbar->setChecked(true);
    mnuViewStatusBar = item(mnuView, "mnuViewStatusBar", 1021);
    mnuViewStatusBar->setCheckable(true);
    mnuViewStatusBar->setChecked(true);
    mnuViewTrenn = separator(mnuView, "mnuViewTrenn");
    mnuFileTransSettings = item(mnuView, "mnuFileTransSettings", 1018);

    mnuWindow = subMenu(menuBar(), "mnuWindow", 1025);
    mnuWindowNewWindow = item(mnuWindow, "mnuWindowNewWindow", 1026);
    mnuWindowBar0 = separator(mnuWindow, "mnuWindowBar0");
    mnuWindowCascade = item(mnuWindow, "mnuWindowCascade", 1027);
    mnuWindowTileHorizontal = item(mnuWindow, "mnuWindowTileHorizontal", 1028);
    mnuWindowTileVertical = item(mnuWindow, "mnuWindowTileVertical", 1029);
    mnuWindowArrangeIcons = item(mnuWindow, "mnuWindowArrangeIcons", 1030);
}

void frmMain::buildNodeMenu() {
    mnuNode = new QMenu(QStringLiteral("Node"), this);
    mnuNode->setObjectName(QStringLiteral("mnuNode"));
    mnuNode->menuAction()->setObjectName(QStringLiteral("mnuNode"));
    mnuNodeGoTo = item(mnuNode, "mnuNodeGoTo", 1006);
    mnuNodePaste = item(mnuNode, "mnuNodePaste", 1017);
}

void frmMain::buildToolBar() {
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(ToolbarIcons::Size, ToolbarIcons::Size));
    addToolBar(Qt::TopToolBarArea, tbToolBar);

    tbSaveFormatMenu = new QMenu(this);
    tbSaveFormatMenu->setObjectName(QStringLiteral("tbSaveFormatMenu"));
    for (const char16_t *entry : SaveFormatEntries) {
        const QString text = QString::fromUtf16(entry);
        connect(tbSaveFormatMenu->addAction(text), &QAction::triggered, this,
                [this, text] { tbToolBar_ButtonMenuClick(text); });
    }

    for (const ToolbarButton &button : toolbarButtons()) {
        if (button.isSeparator()) {
            tbToolBar->addSeparator();
            continue;
        }
        // The caption is what screen readers announce; the key stays internal, as the name.
        const QString key = QString::fromUtf16(button.key);
        auto *action = new QAction(toolbarIcon(button.image),
                                   StringTable::text(button.toolTipEntry), tbToolBar);
        action->setObjectName(key);
        action->setToolTip(QString::number(button.toolTipEntry));
        if (button.command == ToolbarCommand::Save)
            action->setMenu(tbSaveFormatMenu);
        tbToolBar->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    // A click on the button saves; its arrow opens the format drop-down.
    if (auto *saveButton = qobject_cast<QToolButton *>(
            tbToolBar->widgetForAction(toolbarButton(QStringLiteral("Speichern")))))
        saveButton->setPopupMode(QToolButton::MenuButtonPopup);
}
