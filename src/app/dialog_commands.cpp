#include "app/dialog_commands.h"

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "dialogs/frm_ini.h"
#include "translator/frm_convert.h"

#include <QAction>

void mnuFileTransConv_Click(mdlMAIN &module) {
    frmConvert dialog(module.settings(), module.prompts(), module.programFolder());
    dialog.exec();
}

void mnuFileTransSettings_Click(mdlMAIN &module) {
    frmINI dialog(module, module.MainWindow());
    dialog.exec();
}

void connectDialogCommands(frmMain &window, mdlMAIN &module) {
    QObject::connect(window.mnuFileTransConv, &QAction::triggered, &window,
                     [&module] { mnuFileTransConv_Click(module); });
    QObject::connect(window.mnuFileTransSettings, &QAction::triggered, &window,
                     [&module] { mnuFileTransSettings_Click(module); });
}
