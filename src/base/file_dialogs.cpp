#include "base/file_dialogs.h"

#include "base/app_host.h"
#include "base/file_filter.h"
#include "base/prompts.h"
#include "base/settings_file.h"
#include "base/string_table.h"

QString ChooseOpenFile(AppHost &host, const QString &filter, const QString &title,
                       const QString &folder) {
    FileDialogRequest request;
    request.title = title.isEmpty() ? StringTable::text(1002) : title;
    request.folder = folder;
    request.filters = FileFilter::dialogFilters(filter, host.settings());
    const QString path = host.prompts().openFileName(request);
    return !path.isEmpty() && FileExists(path) ? path : QString();
}

QString ChooseSaveFile(AppHost &host, const QString &filter) {
    FileDialogRequest request;
    request.title = StringTable::text(1004);
    request.folder = host.documentFolder();
    request.filters = FileFilter::dialogFilters(filter, host.settings());
    return host.prompts().saveFileName(request);
}

void showErrorReport(Prompts &prompts, const QString &description) {
    prompts.message(description, StringTable::text(1055), MessageIcon::Critical);
}
