#include "common/qstring_printer.h"
#include "dialogs/frm_about.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>

TEST(FrmAbout, ShowsTheVersionAndASecondAboutBringsUpTheOpenOne) {
    QPointer<frmAbout> about = frmAbout::showAbout();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->lblVersion->text(), TAMRO_VERSION);

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
