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
    : window_(&window), document_(&document),
      frame_(qobject_cast<QMdiSubWindow *>(document.parentWidget())) {
    bringToFront();
    savedCaption_ = document.windowTitle();
    document.setWindowTitle(StringTable::text(1033));
    document.rtfText->setEnabled(false);
    // The frame rather than the document alone, so its title-bar buttons take no input either.
    if (frame_)
        frame_->setEnabled(false);
    else
        document.setEnabled(false);
    setMenusEnabled(false);
    window.tbToolBar->hide();

    window.installEventFilter(this);
    document.installEventFilter(this);
    if (frame_)
        frame_->installEventFilter(this);
    runningStates().append(this);
}

RunningInterface::~RunningInterface() {
    runningStates().removeOne(this);
    if (frame_) {
        frame_->removeEventFilter(this);
        frame_->setEnabled(true);
    }
    if (document_) {
        document_->removeEventFilter(this);
        document_->setEnabled(true);
    }
    if (window_) {
        window_->removeEventFilter(this);
        setMenusEnabled(true);
        window_->tbToolBar->show();
        // The Palette check mark keeps telling whether the tool bar is shown.
        window_->mnuViewToolbar->setChecked(true);
    }
    if (document_) {
        document_->setWindowTitle(savedCaption_);
        document_->rtfText->setEnabled(true);
    }
    // Another document may have come forward meanwhile; the outcome belongs to this one.
    bringToFront();
}

void RunningInterface::bringToFront() {
    if (!frame_)
        return;
    if (QMdiArea *area = frame_->mdiArea())
        area->setActiveSubWindow(frame_);
    frame_->showMaximized();
}

bool RunningInterface::isRunning(const frmMain &window) {
    return std::any_of(
        runningStates().cbegin(), runningStates().cend(),
        [&](const RunningInterface *state) { return state->window_.data() == &window; });
}

bool RunningInterface::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Close) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void RunningInterface::setMenusEnabled(bool enabled) {
    for (QMenu *menu : {window_->mnuWindow, window_->mnuEdit, window_->mnuView, window_->mnuFile,
                        window_->mnuHelp})
        menu->setEnabled(enabled);
}
