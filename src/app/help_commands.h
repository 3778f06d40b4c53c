#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QMdiSubWindow;
class frmDesc;
class frmMain;
class mdlMAIN;

// The main window's Help menu: the command reference viewer as a child window, at most one at
// a time, and the about box. While the viewer is the active child the menu bar carries only the
// viewer's own Edit menu; the main menus come back when another child becomes active or the
// viewer closes. The main window holds it for its whole life.
class HelpCommands : public QObject {
    Q_OBJECT
public:
    HelpCommands(frmMain &window, mdlMAIN &module);

    // Help > OPL Help (F1): the reference beside the program in a new child window, at the
    // section of the command under the active document's caret (at the top for any other
    // word). The entry is greyed out until that window closes, when F1 moves the open viewer
    // to the word instead; a missing reference only tells the user.
    void mnuHelpContents_Click();
    // Help > About.
    void mnuHelpAbout_Click();

    // The open viewer, or null.
    frmDesc *viewer() const;

private:
    void txtDesc_Pressed();
    void viewerClosed();
    void followActiveChild();
    void showViewerMenu(bool show);
    QString wordAtCaret() const;

    frmMain &m_window;
    mdlMAIN &m_module;
    QPointer<frmDesc> m_viewer;
    QPointer<QMdiSubWindow> m_viewerChild;
    QAction *m_helpOnWord = nullptr; // F1 while the menu entry is greyed out
    // The main menus hidden while the viewer's menu is on show, to be shown again.
    QList<QPointer<QAction>> m_hiddenMenus;
};
