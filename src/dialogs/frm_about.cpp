#include "dialogs/frm_about.h"

#include "base/string_table.h"
#include "dialogs/version_text.h"

#include <QFont>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPointer<frmAbout> &openAbout() {
    static QPointer<frmAbout> about;
    return about;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QWidget(parent, Qt::Window), lblProdukt(new QLabel(this)), lblVersion(new QLabel(this)),
      lblComment(new QLabel(this)), txtRecht(new QPlainTextEdit(this)),
      Label1(new QLabel(QStringLiteral("Editor for OPL source files"), this)),
      btnOK(new QPushButton(this)) {
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the main window ends the program even while the about box is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    lblProdukt->setObjectName(QStringLiteral("lblProdukt"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblComment->setObjectName(QStringLiteral("lblComment"));
    txtRecht->setObjectName(QStringLiteral("txtRecht"));
    Label1->setObjectName(QStringLiteral("Label1"));
    btnOK->setObjectName(QStringLiteral("btnOK"));

    QFont productFont = lblProdukt->font();
    productFont.setPointSizeF(productFont.pointSizeF() * 1.6);
    productFont.setBold(true);
    lblProdukt->setFont(productFont);
    lblComment->setWordWrap(true);
    txtRecht->setReadOnly(true);
    txtRecht->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblProdukt);
    layout->addWidget(lblVersion);
    layout->addWidget(lblComment);
    layout->addWidget(Label1);
    layout->addWidget(txtRecht, 1);
    layout->addWidget(btnOK, 0, Qt::AlignRight);
    connect(btnOK, &QPushButton::clicked, this, &QWidget::close);
    btnOK->setDefault(true);

    Form_Load();
    resize(440, 280);
}

void frmAbout::Form_Load() {
    setWindowTitle(StringTable::text(1034) + u' ' + StringTable::text(1055));
    lblProdukt->setText(StringTable::text(1055));
    lblComment->setText(StringTable::text(1063));
    btnOK->setText(StringTable::text(1003));
    txtRecht->setPlainText(StringTable::text(1064).toUpper());
    lblVersion->setText(versionText(QStringLiteral(TAMRO_VERSION)));
}

frmAbout *frmAbout::showAbout() {
    QPointer<frmAbout> &about = openAbout();
    if (!about)
        about = new frmAbout;
    about->setWindowState(about->windowState() & ~Qt::WindowMinimized);
    about->show();
    about->raise();
    about->activateWindow();
    return about;
}
