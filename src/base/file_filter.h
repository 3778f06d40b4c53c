#pragma once

#include "base/app_settings.h"

#include <QString>
#include <QStringList>

// The file dialogs' filters. The program writes them in the classic form of
// "description|pattern|" pairs; the dialogs take one "description (patterns)" per filter.
namespace FileFilter {

// "Text " + FilterNames(1) + " (*.txt)|*.txt|": "Text Files (*.txt)|*.txt|" by default.
QString textFiles(const AppSettings &settings);

// The document dialogs' filter: "OPL " + FilterNames(1) for the sources and headers, whether
// translated or plain text, then textFiles.
QString sourceFiles(const AppSettings &settings);

// The dialog's filters for `filter`, then FilterNames(2) for every file ("All Files (*)"), so
// that sources named .opl or .tpl can be chosen too. Patterns separated by ";" are joined by
// blanks; a description that does not show its patterns gets them in brackets.
QStringList dialogFilters(const QString &filter, const AppSettings &settings);

} // namespace FileFilter
