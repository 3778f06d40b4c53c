#include "document/frm_com.h"

#include "base/prompts.h"
#include "base/string_table.h"
#include "base/window_placement.h"
#include "document/command_catalogue.h"
#include "document/rtf_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmCom::frmCom(rtfText &editor, Prompts &prompts, QWidget *parent,
               const CommandTable::NameSource &names)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      m_editor(editor), m_prompts(prompts) {
    setObjectName(QStringLiteral("frmCom"));
    Label1 = new QLabel(QStringLiteral("Command:"), this);
    lstCom = new QComboBox(this);
    Label2 = new QLabel(QStringLiteral("[Parameter:] "), this);
    txtCom = new QLineEdit(this);
    lblCom = new QLabel(this);
    btnGo = new QPushButton(QStringLiteral("Execute"), this);
    btnCancel = new QPushButton(QStringLiteral("Cancel"), this);
    lblCom->setWordWrap(true);
    lblCom->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lstCom->setMaxVisibleItems(20);
    btnGo->setDefault(true);
    placeControls();

    connect(lstCom, &QComboBox::currentIndexChanged, this, &frmCom::lstCom_Click);
    connect(btnGo, &QPushButton::clicked, this, &frmCom::btnGo_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmCom::btnCancel_Click);
    Form_Load(names);
}

frmCom::~frmCom() = default;

CommandTable::NameSource frmCom::defaultNames() {
    return [](int number, bool description) {
        return CommandCatalogue::CommandString(number, description);
    };
}

void frmCom::placeControls() {
    const auto x = [this](int twips) {
        return twipsToPixels(float(twips), logicalDpiX());
    };
    const auto y = [this](int twips) {
        return twipsToPixels(float(twips), logicalDpiY());
    };
    setFixedSize(x(7905), y(1245));
    Label1->setGeometry(x(120), y(120), x(970), y(250));
    lstCom->setGeometry(x(120), y(360), x(4090), y(280));
    Label2->setGeometry(x(4320), y(120), x(1570), y(250));
    txtCom->setGeometry(x(4320), y(360), x(2530), y(300));
    lblCom->setGeometry(x(120), y(720), x(6730), y(370));
    btnGo->setGeometry(x(6960), y(240), x(850), y(370));
    btnCancel->setGeometry(x(6960), y(720), x(850), y(370));
}

void frmCom::Form_Load(const CommandTable::NameSource &names) {
    setWindowTitle(StringTable::text(1085));
    m_table = std::make_unique<CommandTable>(names);
    lstCom->addItems(m_table->sortedNames());
    lstCom->setCurrentIndex(lstCom->count() > 1 ? 1 : lstCom->count() - 1);
    lstCom_Click();
}

void frmCom::lstCom_Click() {
    // By name: the list is sorted, the tables keep the order of the numbers.
    m_selectedCommand = m_table->find(lstCom->currentText());
    lblCom->setText(m_table->description(m_selectedCommand));
}

void frmCom::btnGo_Click() {
    if (!m_editor.ExecuteCmd(m_table->id(m_selectedCommand), txtCom->text())) {
        m_prompts.message(m_editor.lastError(), StringTable::text(1055), MessageIcon::Critical,
                          MessageButtons::Ok);
        return;
    }
    accept();
}

void frmCom::btnCancel_Click() {
    reject();
}
