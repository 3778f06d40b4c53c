#include "app/frm_main.h"

#include "app/caption_localiser.h"
#include "app/file_commands.h"
#include "app/help_commands.h"
#include "app/mdl_main.h"
#include "base/string_table.h"
#include "document/file_drop_filter.h"
#include "document/frm_document.h"

#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTime>
#include <QToolBar>

namespace {

QSettings placementStore() {
    return QSettings(QStringLiteral("Tamro"), QStringLiteral("Tamro"));
}

QPointF screenDotsPerInch() {
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return {screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY()};
    return {96.0, 96.0};
}

// A window title as its frame shows it: "[*]" becomes "*" while modified and nothing
// otherwise, and "[*][*]" shows one "[*]".
QString shownCaption(const QString &title, bool modified) {
    const QString marker = QStringLiteral("[*]");
    QString shown;
    for (qsizetype i = 0; i < title.size();) {
        if (title.mid(i, 6) == marker + marker) {
            shown += marker;
            i += 6;
        } else if (title.mid(i, 3) == marker) {
            if (modified)
                shown += QLatin1Char('*');
            i += 3;
        } else {
            shown += title[i++];
        }
    }
    return shown;
}

} // namespace

frmMain::frmMain(mdlMAIN &module, QWidget *parent) : QMainWindow(parent), m_module(module) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Tamro"));
    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);
    buildMenus();
    buildToolBar();
    buildStatusBar();
    connectCommands();
    m_helpCommands = std::make_unique<HelpCommands>(*this, m_module);
    setAcceptDrops(true);
    installEventFilter(
        new FileDropFilter([this](const QStringList &files) { openFiles(files); }, this));
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s == Qt::ApplicationActive)
            checkFilesOnDisk();
    });
}

frmMain::~frmMain() = default;

void frmMain::MDIForm_Load(bool filesToOpen) {
    AppSettings &settings = m_module.settings();
    settings.Paths[4] = QDir::rootPath();
    mnuFileBar5->setVisible(false);
    LocaliseCaptions(this);
    toolbarButton(QStringLiteral("Speichern"))
        ->setToolTip(saveButtonToolTip(QStringLiteral("ASCII")));
    settings.FilterNames[1] = StringTable::text(1056);
    settings.FilterNames[2] = StringTable::text(1057);
    std::optional<WindowPlacement> stored;
    {
        QSettings store = placementStore();
        stored = readStoredWindowPlacement(store);
    }
    applyPlacement(stored);
    m_module.LoadSettings();
    if (filesToOpen)
        return;
    NewDocument();
    reopenMostRecentFile();
}

void frmMain::openFiles(const QStringList &files) {
    for (const QString &file : files)
        FileCommands::OpenFile(*this, m_module, QFileInfo(file).absoluteFilePath());
}

void frmMain::checkFilesOnDisk() {
    // A question's box takes the activation away and gives it back: no second round meanwhile.
    if (m_checkingFiles)
        return;
    m_checkingFiles = true;
    for (frmDocument *document : documents())
        document->checkFileOnDisk();
    m_checkingFiles = false;
}

QMdiSubWindow *frmMain::activeChild() const {
    return mdiArea->currentSubWindow();
}

void frmMain::setStatusPanelText(const QString &text) {
    sbPanelText->setText(text);
}

QString frmMain::statusPanelText() const {
    return sbPanelText->text();
}

void frmMain::showRecentFileEntry(int index, const QString &path) {
    if (index < 1 || index > 3)
        return;
    QAction *entry = mnuFileMRU[index];
    entry->setText(QString(path).replace(QLatin1Char('&'), QStringLiteral("&&")));
    entry->setData(path);
    entry->setVisible(true);
    mnuFileBar5->setVisible(true);
}

QString frmMain::recentFileEntryPath(int index) const {
    if (index < 1 || index > 3)
        return {};
    return mnuFileMRU[index]->data().toString();
}

void frmMain::setTranslatorCommandsEnabled(bool enabled) {
    mnuFileTranslate->setEnabled(enabled);
    mnuFileTransConv->setEnabled(enabled);
}

void frmMain::restoreBarsAfterViewer() {
    mnuViewStatusBar->setVisible(true);
    tbToolBar->setVisible(mnuViewToolbar->isChecked());
}

QAction *frmMain::toolbarButton(const QString &key) const {
    if (key.isEmpty())
        return nullptr;
    for (QAction *action : tbToolBar->actions()) {
        if (action->objectName() == key)
            return action;
    }
    return nullptr;
}

void frmMain::buildStatusBar() {
    sbStatusBar = new QStatusBar(this);
    sbStatusBar->setObjectName(QStringLiteral("sbStatusBar"));
    setStatusBar(sbStatusBar);
    const auto panel = [this](const char *name, const QString &text) {
        auto *label = new QLabel(text, sbStatusBar);
        label->setObjectName(QLatin1String(name));
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setContentsMargins(4, 0, 4, 0);
        return label;
    };
    sbPanelText = panel("sbPanelText", QStringLiteral("Status"));
    sbPanelDate = panel("sbPanelDate", {});
    sbPanelTime = panel("sbPanelTime", {});
    sbStatusBar->addWidget(sbPanelText, 1);
    sbStatusBar->addPermanentWidget(sbPanelDate);
    sbStatusBar->addPermanentWidget(sbPanelTime);
    updateClock();
    // Once a second, so a new minute shows within a second of its start.
    m_clockTimer.setInterval(1000);
    connect(&m_clockTimer, &QTimer::timeout, this, &frmMain::updateClock);
    m_clockTimer.start();
}

void frmMain::updateClock() {
    const QLocale locale;
    sbPanelDate->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    sbPanelTime->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

// The Window menu ends with one entry per child window, the active one checked.
void frmMain::listChildWindows() {
    qDeleteAll(m_windowListActions);
    m_windowListActions.clear();
    const QList<QMdiSubWindow *> children = mdiArea->subWindowList();
    if (children.isEmpty())
        return;
    m_windowListActions.append(mnuWindow->addSeparator());
    int number = 0;
    for (QMdiSubWindow *child : children) {
        ++number;
        QString caption = shownCaption(child->windowTitle(), child->isWindowModified());
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *entry = mnuWindow->addAction(
            number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(caption) : caption);
        entry->setCheckable(true);
        entry->setChecked(child == activeChild());
        connect(entry, &QAction::triggered, child,
                [this, child] { mdiArea->setActiveSubWindow(child); });
        m_windowListActions.append(entry);
    }
}

void frmMain::closeEvent(QCloseEvent *event) {
    // Each child may refuse (its save question answered Cancel); the quit stops there and
    // the windows closed so far stay closed.
    for (QMdiSubWindow *child : mdiArea->subWindowList()) {
        if (!child->close()) {
            event->ignore();
            return;
        }
    }
    MDIForm_Unload();
    event->accept();
}

void frmMain::MDIForm_Unload() {
    m_module.SaveSettings();
    if (isMinimized())
        return; // the placement of the previous run stays
    const QPointF dpi = screenDotsPerInch();
    QSettings store = placementStore();
    writeWindowPlacement(store, toTwips(pixelPlacement(), m_restoredPlacement, dpi.x(), dpi.y()));
}

// A first start fills most of the screen; a placement stored on a screen that is gone comes
// back onto the primary one. Only what is shown then counts as changed at the quit.
void frmMain::applyPlacement(const std::optional<WindowPlacement> &stored) {
    const QPointF dpi = screenDotsPerInch();
    const QScreen *primary = QGuiApplication::primaryScreen();
    const QRect primaryArea = primary ? primary->availableGeometry() : QRect(0, 0, 800, 600);
    QRect shown;
    if (stored) {
        const PixelPlacement pixels = toPixels(*stored, dpi.x(), dpi.y());
        QList<QRect> screens;
        for (const QScreen *screen : QGuiApplication::screens())
            screens.append(screen->availableGeometry());
        shown = rectOnScreen(QRect(pixels.Left, pixels.Top, pixels.Width, pixels.Height), screens,
                             primaryArea);
    } else {
        shown = firstWindowRect(primaryArea);
    }
    move(shown.topLeft());
    resize(shown.size());
    const PixelPlacement pixels{shown.x(), shown.y(), shown.width(), shown.height()};
    m_restoredPlacement = toTwips(pixels, stored.value_or(WindowPlacement{}), dpi.x(), dpi.y());
}

PixelPlacement frmMain::pixelPlacement() const {
    return {pos().x(), pos().y(), width(), height()};
}
