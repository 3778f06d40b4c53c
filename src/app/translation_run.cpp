#include "app/translation_run.h"

#include "app/frm_main.h"
#include "app/mdl_main.h"
#include "app/running_interface.h"
#include "base/prompts.h"
#include "base/string_table.h"
#include "document/command_catalogue.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"
#include "translator/command_line.h"
#include "translator/translation_checks.h"
#include "translator/translation_report.h"

#include <QAction>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScopeGuard>
#include <memory>

namespace {

// RGB(220, 220, 0) as 0x00BBGGRR: the error line while its message is up.
constexpr std::uint32_t kErrorLineColour = 0x00DCDC;

// The status bar while the translator runs: which translator on which file, and for how long
// so far.
QString waitingText(const QString &translator, const QString &source,
                    std::chrono::milliseconds elapsed, std::chrono::milliseconds limit) {
    return QStringLiteral("%1 is translating %2: %3 s (waiting up to %4 s)")
        .arg(QFileInfo(translator).fileName(), QFileInfo(source).fileName(),
             QString::number(elapsed.count() / 1000), QString::number(limit.count() / 1000.0));
}

} // namespace

TranslationRun::TranslationRun(frmMain &window, mdlMAIN &module)
    : m_window(&window), m_module(module) {}

void TranslationRun::exec() {
    if (!m_window || RunningInterface::isRunning(*m_window))
        return;
    m_document = m_window->activeDocument();
    if (!m_document || !mayStart(*m_document))
        return;

    // Past the checks, the submenu ends up visible whatever happens.
    const auto showSubmenu = qScopeGuard([window = m_window] {
        if (window)
            window->mnuFileTrans->menuAction()->setVisible(true);
    });
    TranslatorRun run;
    QString source;
    {
        const auto running = std::make_unique<RunningInterface>(*m_window, *m_document);
        source = running->savedCaption();
        const AppSettings &settings = m_module.settings();
        RunOptions options = runOptions;
        options.programFolder = m_module.programFolder();
        options.waitSeconds = settings.WaitSeconds;
        options.progress = [this, outer = runOptions.progress, translator = settings.Paths[1],
                            source](auto elapsed, auto limit) {
            if (m_window)
                m_window->setStatusPanelText(waitingText(translator, source, elapsed, limit));
            if (outer)
                outer(elapsed, limit);
        };
        const QString statusBefore = m_window->statusPanelText();
        const auto restoreStatus = qScopeGuard([&] {
            if (m_window)
                m_window->setStatusPanelText(statusBefore);
        });
        run = RunTranslator(
            translationCommandLine(settings.Paths[1], source, settings.Paths[2], settings.Paths[3]),
            options);
    }
    show(TranslationReport::forRun(run, source));
}

// The checks before the running state, each ending the run with its message. A save that was
// cancelled or failed ends it silently: the file on disk is not what the user sees, or there
// is no file at all.
bool TranslationRun::mayStart(frmDocument &document) {
    Prompts &prompts = m_module.prompts();
    const QString title = StringTable::text(1055);
    if (const auto message = emptyDocumentMessage(document.rtfText->Text())) {
        prompts.message(*message, title, MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    if (document.rtfText->Modified())
        m_window->mnuFileSave_Click();
    if (!m_document || !m_window ||
        !fileHoldsDocument(m_document->rtfText->Modified(), m_document->windowTitle()))
        return false;
    if (const auto message = missingTranslatorMessage(m_module.settings().Paths[1])) {
        prompts.message(*message, title, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    return true;
}

void TranslationRun::show(const TranslationReport &report) {
    Prompts &prompts = m_module.prompts();
    const QString title = StringTable::text(1055);
    const MessageIcon icon = report.isError ? MessageIcon::Critical : MessageIcon::None;
    switch (report.kind) {
    case TranslationReport::Kind::Nothing:
        return;
    case TranslationReport::Kind::Message:
        prompts.message(report.text, title, icon, MessageButtons::Ok);
        return;
    case TranslationReport::Kind::ErrorLine:
        break;
    }
    const int line = report.line - 1; // the editor counts from 0
    if (m_document) {
        // Another document may have been brought forward during the wait; the error line
        // must be seen.
        if (auto *frame = qobject_cast<QMdiSubWindow *>(m_document->parentWidget()))
            if (QMdiArea *area = frame->mdiArea())
                area->setActiveSubWindow(frame);
        m_document->rtfText->ExecuteCmd(CommandCatalogue::GoToLine, line);
        m_document->rtfText->SetLineColor(line, kErrorLineColour);
    }
    prompts.message(report.text, title, icon, MessageButtons::Ok);
    if (m_document)
        m_document->rtfText->SetLineColor(line, rtfText::NormalLineColour);
}
