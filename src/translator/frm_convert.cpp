#include "translator/frm_convert.h"

#include "base/app_settings.h"
#include "base/prompts.h"
#include "base/settings_file.h"
#include "base/string_table.h"
#include "base/twips_rect.h"
#include "dialogs/frm_path.h"
#include "translator/command_line.h"
#include "translator/conversion_report.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>

frmConvert::frmConvert(AppSettings &settings, Prompts &prompts, const QString &programFolder,
                       QWidget *parent)
    : QDialog(parent), lblT(new QLabel(this)), txtT(new QLineEdit(this)),
      btnPT(new QPushButton(QStringLiteral("..."), this)), lblI(new QLabel(this)),
      txtI(new QLineEdit(this)), btnPI(new QPushButton(QStringLiteral("..."), this)),
      btnCancel(new QPushButton(this)), btnGo(new QPushButton(QStringLiteral("OK"), this)),
      runModal([](QDialog &dialog) { dialog.exec(); }), m_settings(settings), m_prompts(prompts),
      m_programFolder(programFolder) {
    setObjectName(QStringLiteral("frmConvert"));
    lblT->setObjectName(QStringLiteral("lblT"));
    txtT->setObjectName(QStringLiteral("txtT"));
    btnPT->setObjectName(QStringLiteral("btnPT"));
    lblI->setObjectName(QStringLiteral("lblI"));
    txtI->setObjectName(QStringLiteral("txtI"));
    btnPI->setObjectName(QStringLiteral("btnPI"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    btnGo->setObjectName(QStringLiteral("btnGo"));

    const QPointF dpi(logicalDpiX(), logicalDpiY());
    setFixedSize(twipsRect(0, 0, 7230, 2430, dpi).size());
    lblT->setGeometry(twipsRect(120, 120, 6490, 380, dpi));
    txtT->setGeometry(twipsRect(120, 360, 6495, 375, dpi));
    btnPT->setGeometry(twipsRect(6720, 360, 375, 375, dpi));
    lblI->setGeometry(twipsRect(120, 960, 2300, 380, dpi));
    txtI->setGeometry(twipsRect(120, 1200, 6490, 370, dpi));
    btnPI->setGeometry(twipsRect(6720, 1200, 375, 375, dpi));
    btnCancel->setGeometry(twipsRect(4200, 1800, 1455, 495, dpi));
    btnGo->setGeometry(twipsRect(5760, 1800, 1335, 495, dpi));
    // The labels stand above their fields and overlap them a little, as designed.
    lblT->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblI->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    txtT->raise();
    txtI->raise();

    setWindowTitle(StringTable::text(1069));
    lblT->setText(StringTable::text(1068));
    lblI->setText(StringTable::text(1061));
    txtI->setText(m_settings.Paths[4]);
    btnCancel->setText(StringTable::text(1062));
    btnGo->setEnabled(false);
    btnGo->setDefault(true);

    connect(txtT, &QLineEdit::textChanged, this, &frmConvert::txtT_Change);
    connect(btnPT, &QPushButton::clicked, this, &frmConvert::btnPT_Click);
    connect(btnPI, &QPushButton::clicked, this, &frmConvert::btnPI_Click);
    connect(btnGo, &QPushButton::clicked, this, &frmConvert::btnGo_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmConvert::btnCancel_Click);
}

void frmConvert::txtT_Change(const QString &text) {
    btnGo->setEnabled(!m_running && FileExists(text));
}

void frmConvert::btnPT_Click() {
    FileDialogRequest request;
    request.title = StringTable::text(1002);
    request.filters = {m_settings.FilterNames[2] + QStringLiteral(" (*)")};
    txtT->setText(m_prompts.openFileName(request));
}

void frmConvert::btnPI_Click() {
    frmPath chooser(m_settings, m_prompts, QStringLiteral("4"), this);
    chooser.setWindowTitle(lblI->text());
    chooser.setPath(m_settings.Paths[4]);
    runModal(chooser);
    if (m_settings.PathChosen)
        txtI->setText(m_settings.Paths[4]);
}

void frmConvert::btnGo_Click() {
    if (m_running)
        return;
    const QString commandLine =
        conversionCommandLine(m_settings.Paths[1], txtT->text(), m_settings.Paths[4]);
    RunOptions options = runOptions;
    options.programFolder = m_programFolder;
    options.waitSeconds = m_settings.WaitSeconds;
    TranslatorRun run;
    {
        const QScopedValueRollback guard(m_running, true);
        btnGo->setEnabled(false);
        btnCancel->setEnabled(false);
        run = RunTranslator(commandLine, options);
        btnCancel->setEnabled(true);
    }
    txtT_Change(txtT->text());
    const ConversionReport report = ConversionReport::forRun(run);
    m_prompts.message(report.text, StringTable::text(1055),
                      report.isError ? MessageIcon::Critical : MessageIcon::None,
                      MessageButtons::Ok);
    accept();
}

void frmConvert::btnCancel_Click() {
    reject();
}

void frmConvert::reject() {
    if (m_running)
        return;
    QDialog::reject();
}
