#pragma once

#include "base/app_settings.h"

#include <QDialog>
#include <functional>

class AppHost;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

// The settings dialog: one grid, Files, with a name and a value column for the translator's
// path, the include and output folders, the wait time, the editor font, line numbers and the
// eleven colours. A double-click on a row opens the dialog that suits its value. OK stores
// the grid and writes tamro.ini; every other way out stores nothing and puts back the font
// the dialog opened with. Folders chosen in the path chooser and the font go straight into
// the settings, as the path chooser and the font command always do.
class frmINI : public QDialog {
    Q_OBJECT
public:
    explicit frmINI(AppHost &host, QWidget *parent = nullptr);
    // A dialog that goes without being closed counts as cancelled.
    ~frmINI() override;

    QTableWidget *Files;
    QPushButton *btnOK;
    QPushButton *btnCancel;

    // Shows the path chooser modally; exec() unless replaced.
    std::function<void(QDialog &)> runModal;

    // The editor font when the dialog opened.
    const EditorFontSetting &SavedFont() const { return m_savedFont; }

    // Edits the value of the grid's current row.
    void filesDoubleClicked();
    void btnOK_Click();
    void btnCancel_Click();

    // Every way out but OK restores the saved font.
    void done(int result) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void Form_Load();
    void formatGrid();
    void Form_Resize();
    QTableWidgetItem *valueCell(int row) const;
    void showFont();
    void setColourCell(int row, std::uint32_t colour);
    std::uint32_t colourCell(int row) const;

    QString chooseTranslator();
    void chooseFolder(int row);
    QString askWaitTime();
    void chooseColour(int row);

    AppHost &m_host;
    AppSettings &m_settings;
    EditorFontSetting m_savedFont;
    bool m_closed = false;
};
