#pragma once

#include "base/prompts.h"

#include <QPointer>
#include <QWidget>

// Shows the real Qt dialogs.
class QtPrompts final : public Prompts {
public:
    MessageAnswer message(const QString &text, const QString &title, MessageIcon icon,
                          MessageButtons buttons) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &initial) override;
    QString openFileName(const FileDialogRequest &request) override;
    QString saveFileName(const FileDialogRequest &request) override;
    std::optional<std::uint32_t> colour(std::uint32_t initial) override;
    std::optional<FontChoice> font(const FontChoice &initial) override;
    bool print(QPrinter &printer, int flags) override;
    void setParentWidget(QWidget *parent) override { m_parent = parent; }

private:
    QWidget *parentWidget() const;
    QPointer<QWidget> m_parent;
};
