#include "app/running_interface.h"

#include "app/frm_main.h"
#include "base/string_table.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QAction>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <algorithm>

namespace {

// The running states that exist, one per main window at most.
QList<const RunningInterface *> &runningStates() {
    static QList<const RunningInterface *> states;
    return states;
}

} // namespace

RunningInterface::RunningInterface(frmMain &window, frmDocument &document)
    : m_window(&window), m_document(&document),
      m_frame(qobject_cast<QMdiSubWindow *>(document.parentWidget())) {
    bringToFront();
    m_savedCaption = document.windowTitle();
    document.setWindowTitle(StringTable::text(1033));
    document.rtfText->setEnabled(false);
    // The frame rather than the document alone, so its title-bar buttons take no input either.
    if (m_frame)
        m_frame->setEnabled(false);
    else
        document.setEnabled(false);
    setMenusEnabled(false);
    window.tbToolBar->hide();

    window.installEventFilter(this);
    document.installEventFilter(this);
    if (m_frame)
        m_frame->installEventFilter(this);
    runningStates().append(this);
}

RunningInterface::~RunningInterface() {
    runningStates().removeOne(this);
    if (m_frame) {
        m_frame->removeEventFilter(this);
        m_frame->setEnabled(true);
    }
    if (m_document) {
        m_document->removeEventFilter(this);
        m_document->setEnabled(true);
    }
    if (m_window) {
        m_window->removeEventFilter(this);
        setMenusEnabled(true);
        m_window->tbToolBar->show();
        // The Palette check mark keeps telling whether the tool bar is shown.
        m_window->mnuViewToolbar->setChecked(true);
    }
    if (m_document) {
        m_document->setWindowTitle(m_savedCaption);
        m_document->rtfText->setEnabled(true);
    }
    // Another document may have come forward meanwhile; the outcome belongs to this one.
    bringToFront();
}

void RunningInterface::bringToFront() {
    if (!m_frame)
        return;
    if (QMdiArea *area = m_frame->mdiArea())
        area->setActiveSubWindow(m_frame);
    m_frame->showMaximized();
}

bool RunningInterface::isRunning(const frmMain &window) {
    return std::any_of(
        runningStates().cbegin(), runningStates().cend(),
        [&](const RunningInterface *state) { return state->m_window.data() == &window; });
}

bool RunningInterface::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RunningInterface::setMenusEnabled(bool enabled) {
    for (QMenu *menu : {m_window->mnuWindow, m_window->mnuEdit, m_window->mnuView,
                        m_window->mnuFile, m_window->mnuHelp})
        menu->setEnabled(enabled);
}
