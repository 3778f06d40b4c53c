#include "dialogs/frm_path.h"

#include "base/app_settings.h"
#include "base/prompts.h"
#include "base/string_table.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStorageInfo>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>
#include <filesystem>

namespace {

QStringList mountedDrives() {
    QStringList roots{QDir::rootPath()};
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        const QString root = volume.rootPath();
        // Containers bind single files (/etc/hosts); only folders are drives.
        if (!roots.contains(root) && !QFileInfo(root).isFile())
            roots.append(root);
    }
    roots.sort();
    return roots;
}

// Why the folder `path` cannot be listed, in the system's words; empty when it can.
QString unreadableReason(const QString &path) {
    std::error_code error;
    std::filesystem::directory_iterator(std::filesystem::path(path.toStdU16String()), error);
    return error ? QString::fromLocal8Bit(error.message()) : QString();
}

} // namespace

frmPath::frmPath(AppSettings &settings, Prompts &prompts, const QString &mode, QWidget *parent)
    : QDialog(parent), lstDrive(new QComboBox(this)), lstDir(new QTreeView(this)),
      txtPath(new QLineEdit(this)), btnGo(new QPushButton(QStringLiteral("OK"), this)),
      btnCancel(new QPushButton(StringTable::text(1062), this)), m_settings(settings),
      m_prompts(prompts), m_model(new QFileSystemModel(this)) {
    setObjectName(QStringLiteral("frmPath"));
    lstDrive->setObjectName(QStringLiteral("lstDrive"));
    lstDir->setObjectName(QStringLiteral("lstDir"));
    txtPath->setObjectName(QStringLiteral("txtPath"));
    btnGo->setObjectName(QStringLiteral("btnGo"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));
    setMode(mode);

    m_model->setFilter(QDir::AllDirs | QDir::Hidden | QDir::NoDotAndDotDot);
    m_model->setRootPath(QDir::rootPath());
    lstDir->setModel(m_model);
    lstDir->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        lstDir->hideColumn(column);
    btnGo->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnCancel);
    buttons->addStretch();
    buttons->addWidget(btnGo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lstDrive);
    layout->addWidget(lstDir, 1);
    layout->addWidget(txtPath);
    layout->addLayout(buttons);
    resize(420, 440);

    setDrives(mountedDrives());

    connect(lstDir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmPath::lstDir_Change);
    connect(lstDir, &QTreeView::clicked, this, &frmPath::lstDir_Change);
    // The folder tree fills and sorts itself in the background; keep the chosen folder in
    // view until the user takes over.
    const auto keepInView = [this] {
        if (m_scrollPending)
            QTimer::singleShot(0, this, [this] {
                lstDir->scrollTo(lstDir->currentIndex(), QAbstractItemView::PositionAtCenter);
            });
    };
    connect(m_model, &QAbstractItemModel::rowsInserted, this, keepInView);
    connect(m_model, &QAbstractItemModel::layoutChanged, this, keepInView);
    connect(lstDir, &QTreeView::expanded, this, [this] { m_scrollPending = false; });
    connect(lstDrive, &QComboBox::currentIndexChanged, this, &frmPath::lstDrive_Change);
    connect(txtPath, &QLineEdit::textChanged, this, &frmPath::txtPath_Change);
    connect(btnGo, &QPushButton::clicked, this, &frmPath::btnGo_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmPath::btnCancel_Click);
}

QString frmPath::mode() const {
    return property("Tag").toString();
}

void frmPath::setMode(const QString &mode) {
    setProperty("Tag", mode);
}

void frmPath::setPath(const QString &path) {
    txtPath->setText(path);
    txtPath_Change(path); // also when the text was already there
}

QString frmPath::folderPath() const {
    return m_model->filePath(lstDir->currentIndex());
}

QString frmPath::drive() const {
    return lstDrive->currentText();
}

void frmPath::setDrives(const QStringList &roots) {
    const QScopedValueRollback guard(m_syncing, true);
    lstDrive->clear();
    lstDrive->addItems(roots);
    m_shownDrive = -1;
    if (!showFolder(folderPath()))
        showFolder(roots.value(0));
}

void frmPath::showEvent(QShowEvent *event) {
    QDialog::showEvent(event);
    lstDir->scrollTo(lstDir->currentIndex(), QAbstractItemView::PositionAtCenter);
}

void frmPath::btnGo_Click() {
    const QString m = mode();
    if (m == u"2" || m == u"3" || m == u"4")
        m_settings.Paths[m.toInt()] = txtPath->text();
    m_settings.PathChosen = true;
    accept();
}

void frmPath::btnCancel_Click() {
    reject();
}

void frmPath::reject() {
    // A stale True from an earlier choice must not pass for this one.
    m_settings.PathChosen = false;
    QDialog::reject();
}

void frmPath::lstDir_Change() {
    if (m_syncing)
        return;
    m_scrollPending = false;
    txtPath->setText(folderPath());
}

void frmPath::lstDrive_Change(int index) {
    if (m_syncing || index < 0)
        return;
    const QString root = lstDrive->itemText(index);
    const QString reason = unreadableReason(root);
    if (!reason.isEmpty()) {
        {
            const QScopedValueRollback guard(m_syncing, true);
            lstDrive->setCurrentIndex(m_shownDrive);
        }
        m_prompts.message(root + QStringLiteral(": ") + reason, StringTable::text(1055),
                          MessageIcon::Critical, MessageButtons::Ok);
        return;
    }
    showFolder(root);
    txtPath->setText(folderPath());
}

void frmPath::txtPath_Change(const QString &text) {
    if (m_syncing)
        return;
    // Only a whole folder moves the lists: a path still being typed leaves them alone.
    if (QDir::isAbsolutePath(text) && QFileInfo(text).isDir())
        showFolder(text);
}

bool frmPath::showFolder(const QString &folder) {
    if (folder.isEmpty())
        return false;
    const QScopedValueRollback guard(m_syncing, true);
    const QString clean = QDir::cleanPath(folder);
    const int driveIndex = driveIndexFor(clean);
    if (driveIndex < 0)
        return false;
    if (driveIndex != m_shownDrive) {
        lstDrive->setCurrentIndex(driveIndex);
        lstDir->setRootIndex(m_model->index(lstDrive->itemText(driveIndex)));
        m_shownDrive = driveIndex;
    }
    const QModelIndex index = m_model->index(clean);
    if (!index.isValid())
        return false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        lstDir->expand(parent);
    lstDir->setCurrentIndex(index);
    lstDir->scrollTo(index, QAbstractItemView::PositionAtCenter);
    m_scrollPending = true;
    return true;
}

int frmPath::driveIndexFor(const QString &path) const {
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < lstDrive->count(); ++i) {
        const QString root = QDir::cleanPath(lstDrive->itemText(i));
        const bool inside =
            path == root || path.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (inside && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    return best;
}
