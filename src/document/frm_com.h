#pragma once

#include "document/command_table.h"

#include <QDialog>
#include <memory>

class Prompts;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class rtfText;

// The execute-command dialog: runs any named command of the editor, with an optional
// parameter, on one document's editor. The tables and the list are filled at construction.
class frmCom : public QDialog {
    Q_OBJECT

public:
    // `names` stands for the editor component's naming of its commands.
    frmCom(rtfText &editor, Prompts &prompts, QWidget *parent = nullptr,
           const CommandTable::NameSource &names = defaultNames());
    ~frmCom() override;

    static CommandTable::NameSource defaultNames();

    const CommandTable &table() const { return *m_table; }
    // The table slot of the chosen command; 0 when none is chosen.
    int SelectedCommand() const { return m_selectedCommand; }

    // Shows the description of the command chosen in the list.
    void lstCom_Click();
    // Runs the chosen command and closes the dialog; a command the editor refuses is
    // reported and the dialog stays open.
    void btnGo_Click();
    void btnCancel_Click();

    QLabel *Label1 = nullptr;
    QComboBox *lstCom = nullptr;
    QLabel *Label2 = nullptr;
    QLineEdit *txtCom = nullptr;
    QLabel *lblCom = nullptr;
    QPushButton *btnGo = nullptr;
    QPushButton *btnCancel = nullptr;

private:
    void Form_Load(const CommandTable::NameSource &names);
    void placeControls();

    rtfText &m_editor;
    Prompts &m_prompts;
    std::unique_ptr<CommandTable> m_table;
    int m_selectedCommand = 0;
};
