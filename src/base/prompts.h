#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

class QPrinter;
class QWidget;

// Every message box, input box and common dialog of the program goes through this
// interface. The windows receive one at construction; the program uses QtPrompts, the
// tests a scripted implementation that records each call and answers from a queue.

enum class MessageIcon { None, Critical, Exclamation, Information, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No };

// A font as the font dialog shows and returns it.
struct FontChoice {
    QString name;
    double size = 8.0;
    bool bold = false;
    bool italic = false;
    bool operator==(const FontChoice &) const = default;
};

// A file dialog's request. Filters are Qt filter strings ("Text Files (*.txt)").
struct FileDialogRequest {
    QString title;
    QString folder;
    QStringList filters;
    QString fileName; // pre-filled name for a save dialog
};

class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal message box. The answer is the button the user pressed; closing the box
    // counts as Cancel (or as No for Yes/No, Ok for Ok).
    virtual MessageAnswer message(const QString &text, const QString &title, MessageIcon icon,
                                  MessageButtons buttons = MessageButtons::Ok) = 0;

    // A modal input box; std::nullopt when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &initial = {}) = 0;

    // File dialogs; an empty string when cancelled. The save dialog asks itself before an
    // existing file is overwritten.
    virtual QString openFileName(const FileDialogRequest &request) = 0;
    virtual QString saveFileName(const FileDialogRequest &request) = 0;

    // Colour dialog with a 0x00BBGGRR colour; std::nullopt when cancelled.
    virtual std::optional<std::uint32_t> colour(std::uint32_t initial) = 0;

    // Font dialog; std::nullopt when cancelled.
    virtual std::optional<FontChoice> font(const FontChoice &initial) = 0;

    // Print dialog on the given printer; false when cancelled. `flags` are the caller's
    // dialog flags, kept for the record.
    virtual bool print(QPrinter &printer, int flags) = 0;

    // The window that modal dialogs are centred on (may be null).
    virtual void setParentWidget(QWidget *parent) = 0;
};
