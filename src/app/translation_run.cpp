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
    : window_(&window), module_(module) {}

void TranslationRun::exec() {
    if (!window_ || RunningInterface::isRunning(*window_))
        return;
    document_ = window_->activeDocument();
    if (!document_ || !mayStart(*document_))
        return;

    // Past the checks, the submenu ends up visible whatever happens.
    const auto showSubmenu = qScopeGuard([window = window_] {
        if (window)
            window->mnuFileTrans->menuAction()->setVisible(true);
    });
    TranslatorRun run;
    QString source;
    {
        const auto running = std::make_unique<RunningInterface>(*window_, *document_);
        source = running->savedCaption();
        const AppSettings &settings = module_.settings();
        RunOptions options = runOptions;
        options.programFolder = module_.programFolder();
        options.waitSeconds = settings.WaitSeconds;
        options.progress = [this, outer = runOptions.progress, translator = settings.Paths[1],
                            source](auto elapsed, auto limit) {
            if (window_)
                window_->setStatusPanelText(waitingText(translator, source, elapsed, limit));
            if (outer)
                outer(elapsed, limit);
        };
        const QString statusBefore = window_->statusPanelText();
        const auto restoreStatus = qScopeGuard([&] {
            if (window_)
                window_->setStatusPanelText(statusBefore);
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
    Prompts &prompts = module_.prompts();
    const QString title = StringTable::text(1055);
    if (const auto message = emptyDocumentMessage(document.rtfText->Text())) {
        prompts.message(*message, title, MessageIcon::Exclamation, MessageButtons::Ok);
        return false;
    }
    if (document.rtfText->Modified())
        window_->mnuFileSave_Click();
    if (!document_ || !window_ ||
        !fileHoldsDocument(document_->rtfText->Modified(), document_->windowTitle()))
        return false;
    if (const auto message = missingTranslatorMessage(module_.settings().Paths[1])) {
        prompts.message(*message, title, MessageIcon::Critical, MessageButtons::Ok);
        return false;
    }
    return true;
}

void TranslationRun::show(const TranslationReport &report) {
    Prompts &prompts = module_.prompts();
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
    if (document_) {
        // Another document may have been brought forward during the wait; the error line
        // must be seen.
        if (auto *frame = qobject_cast<QMdiSubWindow *>(document_->parentWidget()))
            if (QMdiArea *area = frame->mdiArea())
                area->setActiveSubWindow(frame);
        document_->rtfText->ExecuteCmd(CommandCatalogue::GoToLine, line);
        document_->rtfText->SetLineColor(line, kErrorLineColour);
    }
    prompts.message(report.text, title, icon, MessageButtons::Ok);
    if (document_)
        document_->rtfText->SetLineColor(line, rtfText::NormalLineColour);
}
