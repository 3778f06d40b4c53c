#include "app/file_dialogs.h"

#include "app/document_identity.h"
#include "app/file_filter.h"
#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "app/prompts.h"
#include "app/settings_file.h"
#include "app/string_table.h"
#include "document/frm_document.h"

QString DocumentFolder(mdlMAIN &module) {
    const frmMain *window = module.MainWindow();
    const frmDocument *active = window ? window->activeDocument() : nullptr;
    return DocumentIdentity::dialogFolder(active ? active->windowTitle() : QString(),
                                          module.settings().RecentFiles[1]);
}

QString ChooseOpenFile(mdlMAIN &module, const QString &filter, const QString &title,
                       const QString &folder) {
    FileDialogRequest request;
    request.title = title.isEmpty() ? StringTable::text(1002) : title;
    request.folder = folder;
    request.filters = FileFilter::dialogFilters(filter, module.settings());
    const QString path = module.prompts().openFileName(request);
    return !path.isEmpty() && FileExists(path) ? path : QString();
}

QString ChooseSaveFile(mdlMAIN &module, const QString &filter) {
    FileDialogRequest request;
    request.title = StringTable::text(1004);
    request.folder = DocumentFolder(module);
    request.filters = FileFilter::dialogFilters(filter, module.settings());
    return module.prompts().saveFileName(request);
}

void ShowErrorReport(Prompts &prompts, const QString &description) {
    prompts.message(description, StringTable::text(1055), MessageIcon::Critical);
}
