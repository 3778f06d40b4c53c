#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

struct AppSettings;
class Prompts;
class QComboBox;
class QFileSystemModel;
class QLineEdit;
class QPushButton;
class QTreeView;

// The path chooser: a drive list of mount points, a folder tree and an editable path field.
// OK writes the field's text into the Paths entry its mode names ("2" include, "3" output,
// "4" conversion folder; any other mode writes nothing) and sets PathChosen; every other way
// out clears PathChosen. The caller sets the caption and the starting path, then shows it.
class frmPath : public QDialog {
    Q_OBJECT
public:
    frmPath(AppSettings &settings, Prompts &prompts, const QString &mode,
            QWidget *parent = nullptr);

    // The mode, kept as the window's "Tag".
    QString mode() const;
    void setMode(const QString &mode);

    // Puts `path` into the path field; the folder and drive lists follow when it is a folder.
    void setPath(const QString &path);
    // The folder list's current folder.
    QString folderPath() const;
    // The drive list's current drive (a mount point).
    QString drive() const;
    // Replaces the drive list; by default it holds the mounted volumes.
    void setDrives(const QStringList &roots);

    QComboBox *lstDrive;
    QTreeView *lstDir;
    QLineEdit *txtPath;
    QPushButton *btnGo;
    QPushButton *btnCancel;

    void btnGo_Click();
    void btnCancel_Click();
    // Escape and the close box leave as Cancel does.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lstDir_Change();
    void lstDrive_Change(int index);
    void txtPath_Change(const QString &text);
    // Moves the folder and drive lists to `folder` without running their change handlers;
    // false when no drive holds it or it cannot be shown.
    bool showFolder(const QString &folder);
    int driveIndexFor(const QString &path) const;

    AppSettings &m_settings;
    Prompts &m_prompts;
    QFileSystemModel *m_model;
    bool m_scrollPending = false; // the current folder is kept in view while the tree loads
    int m_shownDrive = -1;
    bool m_syncing = false;
};
