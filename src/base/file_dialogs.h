#pragma once

#include <QString>

class AppHost;
class Prompts;

// The shared file dialogs and the error report of the file commands.

// The open dialog with `filter` ("description|pattern|" pairs) and `title` (string 1002
// "Open" when empty), starting in `folder`. The chosen path when it names an existing file,
// else "" (cancelled too).
QString ChooseOpenFile(AppHost &host, const QString &filter, const QString &title,
                       const QString &folder = {});

// The save dialog titled string 1004 "Save" with `filter`, starting in the host's document
// folder. The chosen path, "" when cancelled; the dialog itself asks before an existing file
// is replaced.
QString ChooseSaveFile(AppHost &host, const QString &filter);

// The error report of Open, Save and Save As: the error's description, the critical icon, an
// OK button and the program's title.
void showErrorReport(Prompts &prompts, const QString &description);
