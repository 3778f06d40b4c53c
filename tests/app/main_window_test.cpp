#include "main_window_fixture.h"

#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QAccessible>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

namespace {

// A caption as shown, without its Alt-key marks.
QString shown(QString caption) {
    return caption.replace("&&", QChar(1)).remove('&').replace(QChar(1), '&');
}

// "name:text" per entry, "name:-" for a separator, sub-menus nested in brackets.
QStringList describe(const QList<QAction *> &actions, bool nested = true) {
    QStringList entries;
    for (const QAction *action : actions) {
        QString entry =
            action->objectName() + ':' + (action->isSeparator() ? "-" : shown(action->text()));
        if (nested && action->menu())
            entry += '[' + describe(action->menu()->actions()).join(',') + ']';
        entries << entry;
    }
    return entries;
}

QStringList describe(const QMenu *menu) {
    return describe(menu->actions());
}

// Child windows bring their own system menus.
bool insideChildWindow(const frmMain &w, const QObject *object) {
    for (; object; object = object->parent())
        if (object == w.mdiArea)
            return true;
    return false;
}

} // namespace

using MainWindow = MainWindowFixture;

TEST_F(MainWindow, MenuTreeShowsTheTextsOfItsEntriesAfterLoad) {
    frmMain &w = start();
    EXPECT_EQ(w.windowTitle(), "Tamro");
    EXPECT_EQ(describe(w.menuBar()->actions(), false),
              (QStringList{"mnuFile:File", "mnuEdit:Edit", "mnuView:View", "mnuWindow:Window",
                           "mnuHelp:?"}));
    EXPECT_EQ(describe(w.mnuFile),
              (QStringList{"mnuFileNew:New", "mnuFileOpen:Open", "mnuFileClose:Close",
                           "mnuFileBar0:-", "mnuFileSave:Save", "mnuFileSaveAs:Save As",
                           "mnuFileBar6:-", "mnuFileRefresh:Refresh",
                           "mnuFileTrans:OPLTRAN[mnuFileTranslate:Translate,"
                           "mnuFileTransConv:Convert OPL<-> Plain Text]",
                           "mnuFileBar1:-", "mnuFilePrint:Print", "mnuFileBar3:-", "mnuFileMRU1:",
                           "mnuFileMRU2:", "mnuFileMRU3:", "mnuFileBar5:-", "mnuFileExit:Quit"}));
    EXPECT_EQ(describe(w.mnuEdit),
              (QStringList{"mnuEditUndo:Undo", "mnuEditRedo:Redo", "mnuEditBar0:-",
                           "mnuEditCut:Cut", "mnuEditCopy:Copy", "mnuEditPaste:Paste",
                           "menEditTBR2:-", "mnuEditFind:Search", "mnuEditFindNext:Find Next",
                           "mnuEditFR:Search and Replace", "mnuEditGoTo:Go To", "menEditTBR3:-",
                           "mnuEditIncInd:Increase Indent", "mnuEditDecInd:Decrease Indent",
                           "mnuEditCom:Comment", "mnuEditUncom:Uncomment",
                           "mnuEditRunCom:Execute Command", "itmJumpToMatch:Find matching",
                           "itmFindUndefined:Search for undefined externals"}));
    EXPECT_EQ(describe(w.mnuView),
              (QStringList{"mnuViewToolbar:Palette", "mnuViewStatusBar:Statusbar", "mnuViewTrenn:-",
                           "mnuFileTransSettings:Settings"}));
    EXPECT_EQ(describe(w.mnuWindow),
              (QStringList{"mnuWindowNewWindow:New", "mnuWindowBar0:-", "mnuWindowCascade:Over",
                           "mnuWindowTileHorizontal:Order", "mnuWindowTileVertical:Deck",
                           "mnuWindowArrangeIcons:Sort"}));
    EXPECT_EQ(describe(w.mnuHelp),
              (QStringList{"mnuHelpContents:OPL Help", "mnuHelpBar0:-", "mnuHelpAbout:About"}));
    EXPECT_EQ(w.mnuNode->title(), "Node");
    EXPECT_EQ(describe(w.mnuNode), (QStringList{"mnuNodeGoTo:Go To", "mnuNodePaste:Paste"}));
    EXPECT_FALSE(w.menuBar()->actions().contains(w.mnuNode->menuAction()));

    const QHash<QString, QString> shortcuts{
        {"mnuFileNew", "Ctrl+N"},   {"mnuFileOpen", "Ctrl+O"},  {"mnuFileSave", "Ctrl+S"},
        {"mnuFilePrint", "Ctrl+P"}, {"mnuFileExit", "Ctrl+Q"},  {"mnuFileRefresh", "F5"},
        {"mnuEditUndo", "Ctrl+Z"},  {"mnuEditRedo", "Ctrl+Y"},  {"mnuEditCut", "Ctrl+X"},
        {"mnuEditCopy", "Ctrl+C"},  {"mnuEditPaste", "Ctrl+V"}, {"mnuEditFind", "Ctrl+F"},
        {"mnuEditFR", "Ctrl+H"},    {"mnuEditGoTo", "Ctrl+G"},  {"mnuEditFindNext", "F3"},
        {"mnuHelpContents", "F1"}};
    for (QAction *action : w.findChildren<QAction *>()) {
        if (insideChildWindow(w, action))
            continue;
        EXPECT_EQ(action->shortcut().toString(), shortcuts.value(action->objectName()))
            << action->objectName().toStdString();
    }
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(w.mnuFileMRU[i]->isVisible());
    EXPECT_FALSE(w.mnuFileBar5->isVisible());
}

TEST_F(MainWindow, ToolBarHoldsNumbersAtDesignAndTextsAfterLoadAndIsAnnouncedInEnglish) {
    {
        frmMain design(module);
        EXPECT_EQ(design.toolbarButton("Speichern")->toolTip(), "1037");
        EXPECT_EQ(design.toolbarButton("Navi")->toolTip(), "1078");
    }
    frmMain &w = start();
    // Per button: the name a screen reader announces, then the tooltip.
    const auto announced = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    QStringList shown;
    for (QAction *action : w.tbToolBar->actions()) {
        if (action->isSeparator()) {
            shown << "-";
            continue;
        }
        QWidget *button = w.tbToolBar->widgetForAction(action);
        shown << announced(button) + ':' + button->toolTip();
        EXPECT_EQ(action->toolTip(), button->toolTip());
        EXPECT_FALSE(action->icon().isNull());
    }
    EXPECT_EQ(shown.join('|'),
              QStringLiteral("New:New|Open:Open|Save:Save - ASCII|-|Translate:Translate|-|"
                             "Print:Print|-|Undo:Undo|Redo:Redo|-|Search:Search|-|Cut:Cut|"
                             "Copy:Copy|Paste:Paste|-|Increase Indent:Increase Indent|"
                             "Decrease Indent:Decrease Indent|-|Comment:Comment|"
                             "Uncomment:Uncomment|-|Font::Font:|Line numbers:Line numbers|"
                             "Navigator:Navigator"));
    const frmDocument &document = *w.activeDocument();
    EXPECT_EQ(announced(document.rtfText) + '|' + announced(document.Tree), "Editor|Navigator");
}

TEST_F(MainWindow, SaveFormatDropDownSetsEncodingAndTooltipWithoutSaving) {
    frmMain &w = start();
    auto *button =
        qobject_cast<QToolButton *>(w.tbToolBar->widgetForAction(w.toolbarButton("Speichern")));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    ASSERT_EQ(button->defaultAction()->menu(), w.tbSaveFormatMenu);
    const QList<QAction *> entries = w.tbSaveFormatMenu->actions();
    ASSERT_EQ(describe(entries), (QStringList{":ASCII", ":UTF8", ":UNICODE"}));

    const struct {
        int entry;
        int encoding;
        const char *toolTip;
    } steps[] = {{2, 3, "Save - UNICODE"}, {1, 2, "Save - UTF8"}, {0, 1, "Save - ASCII"}};
    for (const auto &step : steps) {
        entries[step.entry]->trigger();
        EXPECT_EQ(module.settings().SaveEncoding, step.encoding);
        EXPECT_EQ(button->toolTip(), step.toolTip);
    }
    EXPECT_TRUE(prompts.calls.empty());
    EXPECT_FALSE(QFile::exists(module.settingsPath()));
}

TEST_F(MainWindow, StatusBarPanelsAndViewItemsThatToggleTheBars) {
    const QLocale locale;
    const QString dayBefore = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    frmMain &w = start();
    const QString dayAfter = locale.toString(QDate::currentDate(), QLocale::ShortFormat);
    EXPECT_EQ(w.statusBar(), w.sbStatusBar);
    EXPECT_EQ(w.statusPanelText(), "Status");
    EXPECT_TRUE(w.sbPanelDate->text() == dayBefore || w.sbPanelDate->text() == dayAfter);
    EXPECT_FALSE(w.sbPanelTime->text().isEmpty());

    const std::pair<QAction *, QWidget *> toggles[] = {{w.mnuViewToolbar, w.tbToolBar},
                                                       {w.mnuViewStatusBar, w.sbStatusBar}};
    for (const auto &[item, bar] : toggles) {
        for (const bool shown : {false, true}) {
            item->trigger();
            EXPECT_EQ(item->isChecked(), shown);
            EXPECT_EQ(bar->isVisible(), shown);
        }
    }
    EXPECT_EQ(w.createPopupMenu(), nullptr); // no second way to hide a bar
}

TEST_F(MainWindow, WindowMenuListsTheChildWindowsOnce) {
    frmMain &w = start();
    for (QMdiSubWindow *first : w.mdiArea->subWindowList())
        first->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QMdiSubWindow *children[2];
    for (int i = 0; i < 2; ++i) {
        children[i] = w.mdiArea->addSubWindow(new QWidget);
        children[i]->setWindowTitle(i == 0 ? "Document 1" : "/tmp/a&b.opl[*]");
        children[i]->setWindowModified(i == 1);
        children[i]->show();
    }
    w.mdiArea->setActiveSubWindow(children[1]);
    ASSERT_EQ(w.activeChild(), children[1]);
    for (int round = 0; round < 2; ++round) {
        Q_EMIT w.mnuWindow->aboutToShow();
        const QList<QAction *> list = w.mnuWindow->actions().mid(6);
        ASSERT_EQ(describe(list), (QStringList{":-", ":1 Document 1", ":2 /tmp/a&b.opl*"}));
        EXPECT_FALSE(list[1]->isChecked());
        EXPECT_TRUE(list[2]->isChecked());
    }
    w.mnuWindow->actions()[7]->trigger();
    EXPECT_EQ(w.activeChild(), children[0]);
}
