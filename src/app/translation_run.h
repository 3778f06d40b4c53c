#pragma once

#include "translator/translator_run.h"

#include <QPointer>
#include <QString>

class frmDocument;
class frmMain;
class mdlMAIN;
struct TranslationReport;

// The translation of the active document (File > OPLTRAN > Translate, and the tool bar's
// "Translate" button): a modified document is saved first, the translator runs on its file
// through opltran.bat while the interface waits in its running state, and then the editor
// goes to the first error line or the produced .opo file is reported.
// Other windows keep working during the wait, so the run holds its document through a
// QPointer and keeps to it even when another document becomes active.
class TranslationRun {
public:
    TranslationRun(frmMain &window, mdlMAIN &module);

    // How the translator is started and waited for. The program folder and the wait time
    // come from the module when the run starts.
    RunOptions runOptions;

    // The whole run. Does nothing without an active document or while another run of the
    // same window waits.
    void exec();

private:
    bool mayStart(frmDocument &document);
    void show(const TranslationReport &report);

    QPointer<frmMain> m_window;
    mdlMAIN &m_module;
    QPointer<frmDocument> m_document;
};
