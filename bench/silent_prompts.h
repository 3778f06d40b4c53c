#pragma once

#include "base/prompts.h"

// Answers every dialog at once without showing it, so a benchmark never waits on a person:
// messages with their first button, every other dialog as cancelled.
class SilentPrompts final : public Prompts {
public:
    int messages = 0;

    MessageAnswer message(const QString &, const QString &, MessageIcon,
                          MessageButtons buttons) override {
        ++messages;
        return buttons == MessageButtons::YesNo || buttons == MessageButtons::YesNoCancel
                   ? MessageAnswer::No
                   : MessageAnswer::Ok;
    }
    std::optional<QString> input(const QString &, const QString &, const QString &) override {
        return std::nullopt;
    }
    QString openFileName(const FileDialogRequest &) override { return {}; }
    QString saveFileName(const FileDialogRequest &) override { return {}; }
    std::optional<std::uint32_t> colour(std::uint32_t) override { return std::nullopt; }
    std::optional<FontChoice> font(const FontChoice &) override { return std::nullopt; }
    bool print(QPrinter &, int) override { return false; }
    void setParentWidget(QWidget *) override {}
};
