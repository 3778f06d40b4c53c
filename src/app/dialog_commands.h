#pragma once

class frmMain;
class mdlMAIN;

// The main window's commands that open the conversion and settings dialogs.

// File > OPLTRAN > Convert: the conversion dialog, modal, without an owner.
void mnuFileTransConv_Click(mdlMAIN &module);
// View > Settings: the settings dialog, modal, owned by the main window.
void mnuFileTransSettings_Click(mdlMAIN &module);

// Connects mnuFileTransConv and mnuFileTransSettings of `window` to the two commands.
void connectDialogCommands(frmMain &window, mdlMAIN &module);
