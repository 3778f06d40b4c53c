#pragma once

#include <QString>

class Prompts;
class mdlMAIN;

// The shared file dialogs and the error report of the file commands.

// The folder of the active document's file, else of the most recent file; "" for neither.
QString DocumentFolder(mdlMAIN &module);

// The open dialog with `filter` ("description|pattern|" pairs) and `title` (string 1002
// "Open" when empty), starting in `folder`. The chosen path when it names an existing file,
// else "" (cancelled too).
QString ChooseOpenFile(mdlMAIN &module, const QString &filter, const QString &title,
                       const QString &folder = {});

// The save dialog titled string 1004 "Save" with `filter`, starting in DocumentFolder. The
// chosen path, "" when cancelled; the dialog itself asks before an existing file is replaced.
QString ChooseSaveFile(mdlMAIN &module, const QString &filter);

// The error report of Open, Save and Save As: the error's description, the critical icon, an
// OK button and the program's title.
void ShowErrorReport(Prompts &prompts, const QString &description);
