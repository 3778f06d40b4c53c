#include "app/string_table.h"
#include "common/qstring_printer.h"
#include "dialogs/frm_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(FrmAbout, ShowsItsTextsAndASecondAboutBringsUpTheOpenOne) {
    QPointer<frmAbout> about = frmAbout::showAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->lblVersion->text(), TAMRO_VERSION);
    const QString warranty = StringTable::text(1064);
    EXPECT_NE(warranty, warranty.toUpper());
    EXPECT_EQ(about->txtRecht->toPlainText(), warranty.toUpper());
    EXPECT_EQ(about->parentWidget(), nullptr);
    EXPECT_EQ(about->windowModality(), Qt::NonModal);

    about->showMinimized();
    EXPECT_EQ(frmAbout::showAbout(), about);
    EXPECT_TRUE(about->isVisible() && !about->isMinimized());
    about->btnOK->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
    QPointer<frmAbout> next = frmAbout::showAbout();
    EXPECT_TRUE(next && next->isVisible());
    next->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
