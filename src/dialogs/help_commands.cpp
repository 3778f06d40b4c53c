#include "dialogs/help_commands.h"

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_desc.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

HelpCommands::HelpCommands(frmMain &window, mdlMAIN &module) : window_(window), module_(module) {
    connect(window.mnuHelpContents, &QAction::triggered, this,
            &HelpCommands::mnuHelpContents_Click);
    connect(window.mnuHelpAbout, &QAction::triggered, this, &HelpCommands::mnuHelpAbout_Click);
    connect(window.mdiArea, &QMdiArea::subWindowActivated, this, &HelpCommands::followActiveChild);
}

void HelpCommands::mnuHelpContents_Click() {
    if (viewerChild_) { // the entry is greyed out meanwhile; a direct call finds the open one
        window_.mdiArea->setActiveSubWindow(viewerChild_);
        return;
    }
    frmDesc *viewer = frmDesc::open(module_.programFolder(), module_.prompts());
    if (!viewer)
        return;
    viewer_ = viewer;
    window_.mnuHelpContents->setEnabled(false);
    window_.menuBar()->addMenu(viewer->mnuEdit)->setVisible(false);
    connect(viewer, &frmDesc::textPressed, this, &HelpCommands::txtDesc_Pressed);
    connect(viewer, &frmDesc::closed, this, &HelpCommands::viewerClosed);

    QMdiSubWindow *child = window_.mdiArea->addSubWindow(viewer);
    child->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the reference's code lines, and leaving documents in sight.
    child->resize((window_.mdiArea->viewport()->size() * 0.75).expandedTo(QSize(420, 280)));
    viewerChild_ = child;
    child->show();
    window_.mdiArea->setActiveSubWindow(child);
    followActiveChild();
}

frmDesc *HelpCommands::viewer() const {
    return viewer_;
}

void HelpCommands::mnuHelpAbout_Click() {
    frmAbout::showAbout();
}

// Working in the reference puts the tool bar and the "Statusbar" item away; working in a
// document or closing the viewer brings them back.
void HelpCommands::txtDesc_Pressed() {
    window_.tbToolBar->setVisible(false);
    window_.mnuViewStatusBar->setVisible(false);
}

void HelpCommands::viewerClosed() {
    window_.restoreBarsAfterViewer();
    window_.mnuHelpContents->setEnabled(true);
    showViewerMenu(false);
    viewer_ = nullptr;
    viewerChild_ = nullptr;
}

// The current child rather than the signal's argument: when another application takes the
// focus the area reports no active child, yet the viewer is still the one the user works in.
void HelpCommands::followActiveChild() {
    showViewerMenu(viewerChild_ && window_.activeChild() == viewerChild_);
}

void HelpCommands::showViewerMenu(bool show) {
    QAction *viewerMenu = viewer_ ? viewer_->mnuEdit->menuAction() : nullptr;
    if (show && viewerMenu) {
        for (QAction *menu : window_.menuBar()->actions()) {
            if (menu != viewerMenu && menu->isVisible()) {
                menu->setVisible(false);
                hiddenMenus_.append(menu);
            }
        }
        viewerMenu->setVisible(true);
        return;
    }
    if (viewerMenu)
        viewerMenu->setVisible(false);
    for (const QPointer<QAction> &menu : std::as_const(hiddenMenus_))
        if (menu)
            menu->setVisible(true);
    hiddenMenus_.clear();
}
