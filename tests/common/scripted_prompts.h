#pragma once

#include "base/prompts.h"

#include <deque>
#include <functional>
#include <vector>

// A Prompts that never blocks (for tests and benchmarks): it records every call and answers
// from queues. When a queue is empty a message box answers with its safe button (Ok; Cancel
// for OkCancel and Yes/No/Cancel; No for Yes/No) and every dialog counts as cancelled.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Colour, Font, Print };

    struct Call {
        Kind kind = Kind::Message;
        QString text; // message text, input prompt or dialog title
        QString title;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        FileDialogRequest file; // for the file dialogs
        FontChoice font;        // the font dialog's initial font
        std::uint32_t colour = 0;
        int flags = 0;
    };

    std::deque<MessageAnswer> messageAnswers;
    std::deque<std::optional<QString>> inputAnswers;
    std::deque<QString> fileAnswers; // for both file dialogs; "" = cancelled
    std::deque<std::optional<std::uint32_t>> colourAnswers;
    std::deque<std::optional<FontChoice>> fontAnswers;
    std::deque<bool> printAnswers;

    std::vector<Call> calls;
    // Runs while each message box is up, to look at the windows behind it.
    std::function<void()> onMessage;

    MessageAnswer message(const QString &text, const QString &title, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override;
    QString openFileName(const FileDialogRequest &request) override;
    QString saveFileName(const FileDialogRequest &request) override;
    std::optional<std::uint32_t> colour(std::uint32_t initial) override;
    std::optional<FontChoice> font(const FontChoice &initial) override;
    bool print(QPrinter &printer, int flags) override;
    void setParentWidget(QWidget *) override {}

    // Only the message boxes, in order.
    std::vector<Call> messages() const;
    // The texts of the message boxes, in order.
    QStringList messageTexts() const;
    // A message box as "text | title | icon | buttons"; onlyMessage() gives the one call made
    // so far in this form, or the number of calls when it was not a single message box.
    static QString box(const QString &text, const QString &title, MessageIcon icon,
                       MessageButtons buttons = MessageButtons::Ok);
    QString onlyMessage() const;
    // Every message box shown, each in that form.
    QStringList boxes() const;
    void clear() { calls.clear(); }
};
