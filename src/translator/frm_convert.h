#pragma once

#include "translator/translator_run.h"

#include <QDialog>
#include <QString>
#include <functional>

struct AppSettings;
class Prompts;
class QLabel;
class QLineEdit;
class QPushButton;

// Converts a file between OPL's stored form and plain text: the translator runs with "-conv"
// on the file in txtT, writing into the conversion folder Paths(4), through opltran.bat.
// OK is enabled only while txtT names an existing file; after a run the log (or why there is
// none) is shown and the dialog closes. While a run waits, OK and Cancel are disabled and
// the dialog cannot be closed, so a second run cannot start inside the first.
class frmConvert : public QDialog {
    Q_OBJECT
public:
    frmConvert(AppSettings &settings, Prompts &prompts, const QString &programFolder,
               QWidget *parent = nullptr);

    QLabel *lblT;
    QLineEdit *txtT;
    QPushButton *btnPT;
    QLabel *lblI;
    QLineEdit *txtI; // shows Paths(4); what is typed here is never used
    QPushButton *btnPI;
    QPushButton *btnCancel;
    QPushButton *btnGo;

    // How runs are started and waited for. The program folder and the wait time are taken
    // from the construction and the settings at each run.
    RunOptions runOptions;
    // Shows the path chooser modally; exec() unless replaced.
    std::function<void(QDialog &)> runModal;

    void btnPT_Click();
    void btnPI_Click();
    void btnGo_Click();
    void btnCancel_Click();
    bool isRunning() const { return m_running; }

    void reject() override;

private:
    void txtT_Change(const QString &text);

    AppSettings &m_settings;
    Prompts &m_prompts;
    QString m_programFolder;
    bool m_running = false;
};
