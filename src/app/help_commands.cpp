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

HelpCommands::HelpCommands(frmMain &window, mdlMAIN &module) : m_window(window), m_module(module) {
    connect(window.mnuHelpContents, &QAction::triggered, this,
            &HelpCommands::mnuHelpContents_Click);
    connect(window.mnuHelpAbout, &QAction::triggered, this, &HelpCommands::mnuHelpAbout_Click);
    connect(window.mdiArea, &QMdiArea::subWindowActivated, this, &HelpCommands::followActiveChild);
    // F1 opens the reference at the command under the caret. While the viewer is open the
    // menu entry is greyed out, so a second action of the same key takes over meanwhile.
    window.mnuHelpContents->setShortcut(Qt::Key_F1);
    m_helpOnWord = new QAction(this);
    m_helpOnWord->setShortcut(Qt::Key_F1);
    m_helpOnWord->setEnabled(false);
    window.addAction(m_helpOnWord);
    connect(m_helpOnWord, &QAction::triggered, this, [this] {
        if (m_viewer && !m_viewer->isLoading() && m_window.activeDocument()) {
            m_viewer->goToCommand(wordAtCaret());
            m_window.mdiArea->setActiveSubWindow(m_viewerChild);
        }
    });
}

QString HelpCommands::wordAtCaret() const {
    const frmDocument *document = m_window.activeDocument();
    if (!document)
        return {};
    const TextRange caret = document->rtfText->GetSel(false);
    return ReferenceSearch::wordAt(document->rtfText->GetLine(caret.endLine), caret.endColumn);
}

void HelpCommands::mnuHelpContents_Click() {
    if (m_viewerChild) { // the entry is greyed out meanwhile; a direct call finds the open one
        m_window.mdiArea->setActiveSubWindow(m_viewerChild);
        return;
    }
    const QString word = wordAtCaret();
    frmDesc *viewer = frmDesc::open(m_module.programFolder(), m_module.prompts());
    if (!viewer)
        return;
    m_viewer = viewer;
    m_window.mnuHelpContents->setEnabled(false);
    m_helpOnWord->setEnabled(true);
    if (!word.isEmpty())
        connect(
            viewer, &frmDesc::loaded, viewer, [viewer, word] { viewer->goToCommand(word); },
            Qt::SingleShotConnection);
    m_window.menuBar()->addMenu(viewer->mnuEdit)->setVisible(false);
    connect(viewer, &frmDesc::textPressed, this, &HelpCommands::txtDesc_Pressed);
    connect(viewer, &frmDesc::closed, this, &HelpCommands::viewerClosed);

    QMdiSubWindow *child = m_window.mdiArea->addSubWindow(viewer);
    child->setAttribute(Qt::WA_DeleteOnClose);
    // Wide enough for the reference's code lines, leaving documents in sight, and wholly
    // inside the area, whatever bars are shown.
    const QRect area = m_window.mdiArea->viewport()->rect();
    QRect place(QPoint(), (area.size() * 0.75).expandedTo(QSize(420, 280)).boundedTo(area.size()));
    place.moveCenter(area.center());
    child->setGeometry(place);
    m_viewerChild = child;
    child->show();
    m_window.mdiArea->setActiveSubWindow(child);
    followActiveChild();
}

frmDesc *HelpCommands::viewer() const {
    return m_viewer;
}

void HelpCommands::mnuHelpAbout_Click() {
    frmAbout::showAbout();
}

// Working in the reference puts the tool bar and the "Statusbar" item away; working in a
// document or closing the viewer brings them back.
void HelpCommands::txtDesc_Pressed() {
    m_window.tbToolBar->setVisible(false);
    m_window.mnuViewStatusBar->setVisible(false);
}

void HelpCommands::viewerClosed() {
    m_window.restoreBarsAfterViewer();
    m_window.mnuHelpContents->setEnabled(true);
    m_helpOnWord->setEnabled(false);
    showViewerMenu(false);
    m_viewer = nullptr;
    m_viewerChild = nullptr;
}

// The current child rather than the signal's argument: when another application takes the
// focus the area reports no active child, yet the viewer is still the one the user works in.
void HelpCommands::followActiveChild() {
    showViewerMenu(m_viewerChild && m_window.activeChild() == m_viewerChild);
}

void HelpCommands::showViewerMenu(bool show) {
    QAction *viewerMenu = m_viewer ? m_viewer->mnuEdit->menuAction() : nullptr;
    if (show && viewerMenu) {
        for (QAction *menu : m_window.menuBar()->actions()) {
            if (menu != viewerMenu && menu->isVisible()) {
                menu->setVisible(false);
                m_hiddenMenus.append(menu);
            }
        }
        viewerMenu->setVisible(true);
        return;
    }
    if (viewerMenu)
        viewerMenu->setVisible(false);
    for (const QPointer<QAction> &menu : std::as_const(m_hiddenMenus))
        if (menu)
            menu->setVisible(true);
    m_hiddenMenus.clear();
}
