#pragma once

#include "app/main_window_fixture.h"
#include "document/frm_document.h"
#include "document/rtf_text.h"

// The main window with its first document, and a folder for the test's files.
class DocumentWindowFixture : public MainWindowFixture {
protected:
    frmMain &main() { return *module.MainWindow(); }
    frmDocument &active() { return *main().activeDocument(); }

    // The active document holding `text`, scanned.
    frmDocument &scanned(const QString &text) {
        active().rtfText->SetText(text);
        active().RESCAN();
        return active();
    }

    QString writeFile(const QString &name, const QByteArray &bytes) {
        QFile file(filesDir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        return file.fileName();
    }

    static void closeAndDelete(QWidget *window) {
        window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QTemporaryDir filesDir;
};
