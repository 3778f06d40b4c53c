#include "app/qt_prompts.h"

#include "document/editor_fonts.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQtButtons(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

QString joinFilters(const QStringList &filters) {
    return filters.join(QStringLiteral(";;"));
}

} // namespace

QWidget *QtPrompts::parentWidget() const {
    if (m_parent)
        return m_parent;
    return QApplication::activeWindow();
}

MessageAnswer QtPrompts::message(const QString &text, const QString &title, MessageIcon icon,
                                 MessageButtons buttons) {
    QMessageBox box(toQtIcon(icon), title, text, toQtButtons(buttons), parentWidget());
    if (buttons == MessageButtons::YesNo)
        box.setEscapeButton(QMessageBox::No);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return buttons == MessageButtons::OkCancel || buttons == MessageButtons::YesNoCancel
                   ? MessageAnswer::Cancel
                   : MessageAnswer::Ok;
    }
}

std::optional<QString> QtPrompts::input(const QString &prompt, const QString &title,
                                        const QString &initial) {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parentWidget(), title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtPrompts::openFileName(const FileDialogRequest &request) {
    return QFileDialog::getOpenFileName(parentWidget(), request.title, request.folder,
                                        joinFilters(request.filters));
}

QString QtPrompts::saveFileName(const FileDialogRequest &request) {
    QString start = request.folder;
    if (!request.fileName.isEmpty())
        start = start.isEmpty() ? request.fileName : start + QLatin1Char('/') + request.fileName;
    return QFileDialog::getSaveFileName(parentWidget(), request.title, start,
                                        joinFilters(request.filters));
}

std::optional<std::uint32_t> QtPrompts::colour(std::uint32_t initial) {
    const QColor start(int(initial & 0xFF), int((initial >> 8) & 0xFF),
                       int((initial >> 16) & 0xFF));
    const QColor chosen = QColorDialog::getColor(start, parentWidget());
    if (!chosen.isValid())
        return std::nullopt;
    return std::uint32_t(chosen.red()) | (std::uint32_t(chosen.green()) << 8) |
           (std::uint32_t(chosen.blue()) << 16);
}

std::optional<FontChoice> QtPrompts::font(const FontChoice &initial) {
    QFont start = EditorFonts::shown({initial.name, initial.size, initial.bold, initial.italic});
    // The dialog finds a family by its real name only, and a style by its name: left to
    // itself it would offer the first style of the family (an oblique one, say).
    const QFontInfo real(start);
    start.setFamily(real.family());
    start.setStyleName(real.styleName());
    QFontDialog dialog(start, parentWidget());
    const QFont offered = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const QFont chosen = dialog.selectedFont();
    const auto choiceOf = [](const QFont &font) {
        return FontChoice{font.family(), font.pointSizeF(), font.bold(), font.italic()};
    };
    // OK on the font as offered keeps the font as it was: its name may not be installed, and
    // the dialog knows only whole point sizes.
    if (choiceOf(chosen) == choiceOf(offered))
        return initial;
    return choiceOf(chosen);
}

bool QtPrompts::print(QPrinter &printer, int flags) {
    // The caller's flags follow the classic print-dialog bits: 4 offers no "selection only"
    // choice, 8 no page range.
    constexpr int NoSelection = 4;
    constexpr int NoPageNumbers = 8;
    QPrintDialog dialog(&printer, parentWidget());
    dialog.setOption(QAbstractPrintDialog::PrintSelection, (flags & NoSelection) == 0);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, (flags & NoPageNumbers) == 0);
    return dialog.exec() == QDialog::Accepted;
}
