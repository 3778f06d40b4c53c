#include "dialogs/frm_ini.h"

#include "base/app_host.h"
#include "base/file_dialogs.h"
#include "base/prompts.h"
#include "base/settings_file.h"
#include "base/string_table.h"
#include "base/twips_rect.h"
#include "base/window_placement.h"
#include "dialogs/frm_path.h"
#include "dialogs/settings_grid.h"
#include "dialogs/settings_layout.h"
#include "document/editor_fonts.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <cmath>

namespace {

constexpr int kValueColumn = 1;

// tamro.ini cannot keep such a path; a message says so rather than losing it at the next start.
bool refusedPath(Prompts &prompts, const QString &path) {
    if (canStoreSettingText(path))
        return false;
    prompts.message(path + QStringLiteral("\r\n\r\nA path holding a double quote (\") cannot be "
                                          "kept in the settings. Please choose another."),
                    StringTable::text(1055), MessageIcon::Critical, MessageButtons::Ok);
    return true;
}

QColor toQColor(std::uint32_t colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

} // namespace

frmINI::frmINI(AppHost &host, QWidget *parent)
    : QDialog(parent), Files(new QTableWidget(SettingsGrid::kRowCount, 2, this)),
      btnOK(new QPushButton(QStringLiteral("OK"), this)), btnCancel(new QPushButton(this)),
      runModal([](QDialog &dialog) { dialog.exec(); }), m_host(host), m_settings(host.settings()) {
    setObjectName(QStringLiteral("frmINI"));
    Files->setObjectName(QStringLiteral("Files"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnCancel->setObjectName(QStringLiteral("btnCancel"));

    Files->horizontalHeader()->hide();
    Files->verticalHeader()->hide();
    Files->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The current cell shows by its focus frame alone: a selection colour would hide the
    // colour a colour cell shows.
    Files->setSelectionMode(QAbstractItemView::NoSelection);
    Files->setWordWrap(false);
    // Keys other than Escape do nothing: Enter must not press a button.
    btnOK->setAutoDefault(false);
    btnCancel->setAutoDefault(false);

    connect(Files, &QTableWidget::cellDoubleClicked, this, [this](int row) {
        if (row < 1)
            return; // the header row holds nothing to edit
        Files->setCurrentCell(row, kValueColumn);
        filesDoubleClicked();
    });
    // The header row and the name column are fixed: the current cell stays among the values.
    connect(Files, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow) {
                if (row >= 1 && column == kValueColumn)
                    return;
                Files->setCurrentCell(row >= 1 ? row : std::max(previousRow, 1), kValueColumn);
            });
    connect(btnOK, &QPushButton::clicked, this, &frmINI::btnOK_Click);
    connect(btnCancel, &QPushButton::clicked, this, &frmINI::btnCancel_Click);

    Form_Load();
    const QPointF dpi(logicalDpiX(), logicalDpiY());
    btnCancel->resize(twipsRect(0, 0, 1335, 375, dpi).size());
    btnOK->resize(btnCancel->size());
    setMinimumSize(twipsRect(0, 0, 4000, 2000, dpi).size());
    resize(twipsRect(0, 0, 12400, 9750, dpi).size());
}

frmINI::~frmINI() {
    if (!m_closed)
        m_settings.EditorFont = m_savedFont;
}

void frmINI::Form_Load() {
    m_savedFont = m_settings.EditorFont;
    setWindowTitle(StringTable::text(1018));
    btnCancel->setText(StringTable::text(1062));

    const QBrush fixed = palette().button();
    for (int row = 0; row < SettingsGrid::kRowCount; ++row) {
        auto *name = new QTableWidgetItem(SettingsGrid::rowName(row));
        auto *value = new QTableWidgetItem;
        name->setFlags(Qt::ItemIsEnabled);
        name->setBackground(fixed);
        value->setFlags(Qt::ItemIsEnabled);
        if (row == 0) {
            value->setText(StringTable::text(1077));
            value->setBackground(fixed);
        }
        Files->setItem(row, 0, name);
        Files->setItem(row, kValueColumn, value);
    }

    const SettingsGrid grid = SettingsGrid::from(m_settings, locale());
    for (int i = 1; i <= 3; ++i)
        valueCell(i)->setText(grid.paths[i]);
    valueCell(4)->setText(grid.waitText);
    showFont();
    valueCell(6)->setText(grid.lineNumbersText);
    for (int i = 0; i <= 10; ++i)
        setColourCell(SettingsGrid::kFirstColourRow + i, grid.colours[i]);
    formatGrid();
    Files->setCurrentCell(1, kValueColumn);
}

void frmINI::formatGrid() {
    const QPointF dpi(logicalDpiX(), logicalDpiY());
    const auto height = [&](int twips) {
        return twipsToPixels(float(twips), dpi.y());
    };
    const auto width = [&](int twips) {
        return twipsToPixels(float(twips), dpi.x());
    };
    Files->verticalHeader()->setMinimumSectionSize(1);
    for (int row = 1; row < SettingsGrid::kRowCount; ++row) {
        Files->setRowHeight(row, height(500));
        valueCell(row)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        Files->item(row, 0)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    Files->setRowHeight(0, height(700));
    Files->setColumnWidth(0, width(4000));
    Files->setColumnWidth(kValueColumn, width(8000));
    Files->item(0, 0)->setTextAlignment(Qt::AlignCenter);
    valueCell(0)->setTextAlignment(Qt::AlignCenter);
}

void frmINI::resizeEvent(QResizeEvent *event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void frmINI::Form_Resize() {
    const SettingsLayout layout = SettingsLayout::forInnerSize(
        size(), btnCancel->size(), btnOK->size(), QPointF(logicalDpiX(), logicalDpiY()));
    Files->setGeometry(layout.grid);
    btnCancel->setGeometry(layout.cancel);
    btnOK->setGeometry(layout.ok);
}

QTableWidgetItem *frmINI::valueCell(int row) const {
    return Files->item(row, kValueColumn);
}

void frmINI::showFont() {
    const EditorFontSetting &font = m_settings.EditorFont;
    EditorFontSetting shown = font;
    // The cell only shows the font: a size no cell could hold is drawn smaller, never as is.
    shown.Size = std::isfinite(font.Size) && font.Size > 0 ? std::clamp(font.Size, 1.0, 200.0) : 0;
    valueCell(5)->setFont(EditorFonts::shown(shown));
    valueCell(5)->setText(fontText(font, locale()));
}

// The cell keeps the colour value itself: a stored value with bits beyond red, green and blue
// must come back unchanged when it was not edited.
void frmINI::setColourCell(int row, std::uint32_t colour) {
    valueCell(row)->setData(Qt::UserRole, colour);
    valueCell(row)->setBackground(toQColor(colour));
}

std::uint32_t frmINI::colourCell(int row) const {
    return valueCell(row)->data(Qt::UserRole).toUInt();
}

void frmINI::filesDoubleClicked() {
    const int row = Files->currentRow();
    QString newValue;
    switch (SettingsGrid::rowKind(row)) {
    case SettingsGrid::RowKind::Header:
        return;
    case SettingsGrid::RowKind::File:
        newValue = chooseTranslator();
        if (refusedPath(m_host.prompts(), newValue))
            return;
        break;
    case SettingsGrid::RowKind::Folder:
        chooseFolder(row);
        break;
    case SettingsGrid::RowKind::WaitTime:
        newValue = askWaitTime();
        break;
    case SettingsGrid::RowKind::Font:
        m_host.ChooseEditorFont();
        Files->setCurrentCell(row, kValueColumn);
        showFont();
        break;
    case SettingsGrid::RowKind::LineNumbers:
        valueCell(row)->setText(toggledLineNumbersText(valueCell(row)->text()));
        break;
    case SettingsGrid::RowKind::Colour:
        chooseColour(row);
        break;
    }
    if (!newValue.isEmpty())
        valueCell(row)->setText(newValue);
}

QString frmINI::chooseTranslator() {
    // The shared open dialog adds every file after the translator's own name: on this platform
    // the translator may be a wrapper of any name.
    return ChooseOpenFile(m_host, QStringLiteral("OPLTRAN.EXE (opltran.exe)|opltran.exe|"),
                          SettingsGrid::rowName(1));
}

void frmINI::chooseFolder(int row) {
    frmPath chooser(m_settings, m_host.prompts(), QString::number(row), this);
    chooser.setWindowTitle(SettingsGrid::rowName(row));
    const QString before = m_settings.Paths[row];
    chooser.setPath(before);
    runModal(chooser);
    if (m_settings.PathChosen && refusedPath(m_host.prompts(), m_settings.Paths[row]))
        m_settings.Paths[row] = before;
    else if (m_settings.PathChosen)
        valueCell(row)->setText(m_settings.Paths[row]);
}

QString frmINI::askWaitTime() {
    return m_host.prompts()
        .input(StringTable::text(1071), SettingsGrid::rowName(4), valueCell(4)->text())
        .value_or(QString());
}

void frmINI::chooseColour(int row) {
    Files->setCurrentCell(row, kValueColumn);
    if (const std::optional<std::uint32_t> colour = m_host.prompts().colour(colourCell(row)))
        setColourCell(row, *colour);
}

void frmINI::btnOK_Click() {
    SettingsGrid grid;
    for (int i = 1; i <= 3; ++i)
        grid.paths[i] = valueCell(i)->text();
    grid.waitText = valueCell(4)->text();
    grid.lineNumbersText = valueCell(6)->text();
    for (int i = 0; i <= 10; ++i)
        grid.colours[i] = colourCell(SettingsGrid::kFirstColourRow + i);
    grid.applyTo(m_settings, locale());
    m_host.SaveSettings();
    accept();
}

void frmINI::btnCancel_Click() {
    reject();
}

void frmINI::done(int result) {
    m_closed = true;
    if (result != QDialog::Accepted)
        m_settings.EditorFont = m_savedFont;
    QDialog::done(result);
}
