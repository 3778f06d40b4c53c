#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class QMdiSubWindow;
class frmDocument;
class frmMain;

// The main window while a translation waits: the document window at the front, maximised, captioned
// ">>>> TRANSLATING <<<<" and disabled with its editor, the File, Edit, View, Window and Help
// menus disabled and the tool bar hidden. Close requests to the main window and to the
// document are refused meanwhile, so nothing the run uses is destroyed under it.
// Deleting it, on any way out of the run, puts everything back: the document window comes to
// the front again, maximised, and the tool bar is shown (and the Palette item checked) even if it
// was hidden.
class RunningInterface : public QObject {
    Q_OBJECT

public:
    // Enters the running state. Not a child of the window: its owner deletes it.
    RunningInterface(frmMain &window, frmDocument &document);
    // Leaves it: the document window enabled, the menus enabled, the tool bar shown, the
    // caption back, the editor enabled, in that order.
    ~RunningInterface() override;

    // The document's caption before the run: the path of the file to translate.
    QString savedCaption() const { return m_savedCaption; }

    // Whether a translation waits in `window`.
    static bool isRunning(const frmMain &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setMenusEnabled(bool enabled);
    // The document's window active and maximised.
    void bringToFront();

    QPointer<frmMain> m_window;
    QPointer<frmDocument> m_document;
    QPointer<QMdiSubWindow> m_frame;
    QString m_savedCaption;
};
