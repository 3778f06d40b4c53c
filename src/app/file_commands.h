#pragma once

#include <QString>

class frmMain;
class mdlMAIN;

// The File menu's commands that keep documents and the recent-files list: Save, Save As,
// Close, the three recent-file entries and Quit. Each acts on the main window's active
// document and does nothing without one.
namespace FileCommands {

// Puts `path` at the front of the recent files and shows every filled slot in the File menu.
void AddRecentFile(frmMain &window, mdlMAIN &module, const QString &path);

// Brings the document window that already holds the file at `path` to the front and puts
// the path at the front of the recent files. False, changing nothing, when no window holds it.
bool showOpenDocument(frmMain &window, mdlMAIN &module, const QString &path);

// Writes the active document to the file its caption names; an untitled one asks for a name
// first. The format is the tool bar's choice. A failed write is reported and changes nothing.
void mnuFileSave_Click(frmMain &window, mdlMAIN &module);
// Asks for a name and writes the document there; only a write that succeeds makes the name
// the caption and a recent file.
void mnuFileSaveAs_Click(frmMain &window, mdlMAIN &module);
// Closes the active document, which asks itself whether to save.
void mnuFileClose_Click(frmMain &window);
// Opens `path` as Open does once a file is chosen: a new document loads it and it heads the
// recent files. A missing file is reported ("File not found!" and the path) and opens nothing;
// one that cannot be loaded gets Open's report. True when loaded.
bool OpenFile(frmMain &window, mdlMAIN &module, const QString &path);
// Opens recent file `index` (1..3) in a new document, or says it is gone; a file already
// open has its window brought to the front instead.
void mnuFileMRU_Click(frmMain &window, mdlMAIN &module, int index);
// Closes the main window and so ends the program, unless a document keeps it open.
void mnuFileExit_Click(frmMain &window);

// Connects Close, Save As, the recent-file entries and Quit of `window` to the commands.
void connectFileCommands(frmMain &window, mdlMAIN &module);

} // namespace FileCommands
