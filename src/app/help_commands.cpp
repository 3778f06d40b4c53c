#include "app/help_commands.h"

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "dialogs/frm_about.h"
#include "dialogs/frm_desc.h"
#include "dialogs/reference_search.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

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
    // F1 opens the reference at the command under the caret. While the viewer is open the
    // menu entry is greyed out, so a second action of the same key takes over meanwhile.
    window.mnuHelpContents->setShortcut(Qt::Key_F1);
    helpOnWord_ = new QAction(this);
    helpOnWord_->setShortcut(Qt::Key_F1);
    helpOnWord_->setEnabled(false);
    window.addAction(helpOnWord_);
    connect(helpOnWord_, &QAction::triggered, this, [this] {
        if (viewer_ && !viewer_->isLoading() && window_.activeDocument()) {
            viewer_->goToCommand(wordAtCaret());
            window_.mdiArea->setActiveSubWindow(viewerChild_);
        }
    });
}

QString HelpCommands::wordAtCaret() const {
    const frmDocument *document = window_.activeDocument();
    if (!document)
        return {};
    const TextRange caret = document->rtfText->GetSel(false);
    return ReferenceSearch::wordAt(document->rtfText->GetLine(caret.endLine), caret.endColumn);
}

void HelpCommands::mnuHelpContents_Click() {
    if (viewerChild_) { // the entry is greyed out meanwhile; a direct call finds the open one
        window_.mdiArea->setActiveSubWindow(viewerChild_);
        return;
    }
    const QString word = wordAtCaret();
    frmDesc *viewer = frmDesc::open(module_.programFolder(), module_.prompts());
    if (!viewer)
        return;
    viewer_ = viewer;
    window_.mnuHelpContents->setEnabled(false);
    helpOnWord_->setEnabled(true);
    if (!word.isEmpty())
        connect(
            viewer, &frmDesc::loaded, viewer, [viewer, word] { viewer->goToCommand(word); },
            Qt::SingleShotConnection);
    window_.menuBar()->addMenu(viewer->mnuEdit)->setVisible(false);
    connect(viewer, &frmDesc::textPressed, this, &HelpCommands::txtDesc_Pressed);
    connect(viewer, &frmDesc::closed, this, &HelpCommands::viewerClosed);

    QMdiSubWindow *child = window_.mdiArea->addSubWindow(viewer);
    child->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the reference's code lines, leaving documents in sight, and wholly
    // inside the area, whatever bars are shown.
    const QRect area = window_.mdiArea->viewport()->rect();
    QRect place(QPoint(), (area.size() * 0.75).expandedTo(QSize(420, 280)).boundedTo(area.size()));
    place.moveCenter(area.center());
    child->setGeometry(place);
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
    helpOnWord_->setEnabled(false);
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
