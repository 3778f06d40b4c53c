#include "document/frm_document.h"

#include "base/file_dialogs.h"
#include "base/prompts.h"
#include "base/string_table.h"
#include "document/rtf_text.h"

#include <QEvent>
#include <QMdiSubWindow>

// The document's file on disk: writing it, noticing changes made by other programs, and the
// unsaved-changes mark on the window's frame.

bool frmDocument::SaveFile(const QString &path, int format) {
    if (m_disk.wouldOverwriteChange(path) &&
        m_prompts.message(DiskWatch::overwriteQuestion(path), StringTable::text(1055),
                          MessageIcon::Exclamation, MessageButtons::YesNo) != MessageAnswer::Yes) {
        rtfText->setModifiedMark(true); // the file no longer holds the text
        return false;
    }
    if (!rtfText->SaveFile(path, format)) {
        showErrorReport(m_prompts, rtfText->lastError());
        return false;
    }
    m_disk.record(path);
    rtfText->setModifiedMark(false);
    return true;
}

void frmDocument::checkFileOnDisk() {
    const QString path = m_disk.path();
    switch (m_disk.look()) {
    case DiskWatch::Change::None:
        return;
    case DiskWatch::Change::Deleted:
        m_prompts.message(DiskWatch::deletedReport(path), StringTable::text(1055),
                          MessageIcon::Exclamation);
        rtfText->setModifiedMark(true);
        return;
    case DiskWatch::Change::Changed:
        if (m_prompts.message(DiskWatch::reloadQuestion(path), StringTable::text(1055),
                              MessageIcon::Question, MessageButtons::YesNo) != MessageAnswer::Yes)
            rtfText->setModifiedMark(true);
        else if (!loadFile(path))
            showErrorReport(m_prompts, rtfText->lastError());
        return;
    }
}

void frmDocument::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowTitleChange || type == QEvent::ModifiedChange ||
        type == QEvent::ParentChange)
        showCaptionOnFrame();
}

// The frame shows the caption with a "*" while the text is unsaved; the caption itself stays
// the file's path. A "[*]" within the caption is doubled so that it shows as it is.
void frmDocument::showCaptionOnFrame() {
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame)
        return;
    const QString marker = QStringLiteral("[*]");
    frame->setWindowTitle(QString(windowTitle()).replace(marker, marker + marker) + marker);
    frame->setWindowModified(isWindowModified());
    if (frame->isMaximized())
        frame->window()->setWindowModified(isWindowModified());
}
