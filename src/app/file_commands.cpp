#include "app/file_commands.h"

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "app/recent_files.h"
#include "base/document_identity.h"
#include "base/file_dialogs.h"
#include "base/file_filter.h"
#include "base/prompts.h"
#include "base/settings_file.h"
#include "base/string_table.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace FileCommands {

namespace {

bool writeDocument(frmDocument &document, mdlMAIN &module, const QString &path) {
    return document.SaveFile(path, saveFormatFor(module.settings().SaveEncoding));
}

} // namespace

void AddRecentFile(frmMain &window, mdlMAIN &module, const QString &path) {
    AppSettings &settings = module.settings();
    if (!RecentFileList::add(settings.RecentFiles, path))
        return;
    for (int i = 1; i <= 3; ++i)
        if (!settings.RecentFiles[i].isEmpty())
            window.showRecentFileEntry(i, settings.RecentFiles[i]);
}

bool showOpenDocument(frmMain &window, mdlMAIN &module, const QString &path) {
    for (frmDocument *document : window.documents()) {
        if (!DocumentIdentity::namesFile(document->windowTitle(), path))
            continue;
        if (auto *child = qobject_cast<QMdiSubWindow *>(document->parentWidget()))
            window.mdiArea->setActiveSubWindow(child);
        AddRecentFile(window, module, document->windowTitle());
        return true;
    }
    return false;
}

void mnuFileSave_Click(frmMain &window, mdlMAIN &module) {
    frmDocument *document = window.activeDocument();
    if (!document)
        return;
    QString path = document->windowTitle();
    if (DocumentIdentity::isUntitled(path)) {
        path = ChooseSaveFile(module, FileFilter::sourceFiles(module.settings()));
        if (path.isEmpty())
            return;
    }
    if (!writeDocument(*document, module, path))
        return;
    document->setWindowTitle(path);
    AddRecentFile(window, module, path);
    document->RESCAN();
}

void mnuFileSaveAs_Click(frmMain &window, mdlMAIN &module) {
    frmDocument *document = window.activeDocument();
    if (!document)
        return;
    const QString path = ChooseSaveFile(module, FileFilter::sourceFiles(module.settings()));
    if (path.isEmpty())
        return;
    if (!writeDocument(*document, module, path))
        return;
    document->setWindowTitle(path);
    document->RESCAN();
    AddRecentFile(window, module, path);
}

void mnuFileClose_Click(frmMain &window) {
    if (QMdiSubWindow *child = window.activeChild())
        child->close();
}

bool OpenFile(frmMain &window, mdlMAIN &module, const QString &path) {
    if (!FileExists(path)) {
        module.prompts().message(DocumentIdentity::fileNotFoundText(path), StringTable::text(1055),
                                 MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    if (showOpenDocument(window, module, path))
        return true;
    window.NewDocument();
    frmDocument *document = window.activeDocument();
    if (!document)
        return false;
    // A file that cannot be loaded after all gets Open's report; the new document stays.
    if (!document->loadFile(path)) {
        showErrorReport(module.prompts(), document->rtfText->lastError());
        return false;
    }
    AddRecentFile(window, module, path);
    return true;
}

void mnuFileMRU_Click(frmMain &window, mdlMAIN &module, int index) {
    OpenFile(window, module, window.recentFileEntryPath(index));
}

void mnuFileExit_Click(frmMain &window) {
    window.close();
}

void connectFileCommands(frmMain &window, mdlMAIN &module) {
    QObject::connect(window.mnuFileClose, &QAction::triggered, &window,
                     [&window] { mnuFileClose_Click(window); });
    QObject::connect(window.mnuFileSaveAs, &QAction::triggered, &window,
                     [&window, &module] { mnuFileSaveAs_Click(window, module); });
    QObject::connect(window.mnuFileExit, &QAction::triggered, &window,
                     [&window] { mnuFileExit_Click(window); });
    for (int i = 1; i <= 3; ++i)
        QObject::connect(window.mnuFileMRU[i], &QAction::triggered, &window,
                         [&window, &module, i] { mnuFileMRU_Click(window, module, i); });
}

} // namespace FileCommands
