#include "scripted_prompts.h"

namespace {

template <typename T> T takeFront(std::deque<T> &queue, T fallback) {
    if (!queue.empty()) {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}

MessageAnswer safeAnswer(MessageButtons buttons) {
    switch (buttons) {
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        return MessageAnswer::Cancel;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::Ok:
        break;
    }
    return MessageAnswer::Ok;
}

} // namespace

MessageAnswer ScriptedPrompts::message(const QString &text, const QString &title, MessageIcon icon,
                                       MessageButtons buttons) {
    Call call;
    call.kind = Kind::Message;
    call.text = text;
    call.title = title;
    call.icon = icon;
    call.buttons = buttons;
    calls.push_back(call);
    if (onMessage)
        onMessage();
    return takeFront(messageAnswers, safeAnswer(buttons));
}

std::optional<QString> ScriptedPrompts::input(const QString &prompt, const QString &title,
                                              const QString &initial) {
    Call call;
    call.kind = Kind::Input;
    call.text = prompt;
    call.title = title;
    call.file.fileName = initial;
    calls.push_back(call);
    return takeFront(inputAnswers, std::optional<QString>{});
}

QString ScriptedPrompts::openFileName(const FileDialogRequest &request) {
    Call call;
    call.kind = Kind::OpenFile;
    call.text = request.title;
    call.file = request;
    calls.push_back(call);
    return takeFront(fileAnswers, QString());
}

QString ScriptedPrompts::saveFileName(const FileDialogRequest &request) {
    Call call;
    call.kind = Kind::SaveFile;
    call.text = request.title;
    call.file = request;
    calls.push_back(call);
    return takeFront(fileAnswers, QString());
}

std::optional<std::uint32_t> ScriptedPrompts::colour(std::uint32_t initial) {
    Call call;
    call.kind = Kind::Colour;
    call.colour = initial;
    calls.push_back(call);
    return takeFront(colourAnswers, std::optional<std::uint32_t>{});
}

std::optional<FontChoice> ScriptedPrompts::font(const FontChoice &initial) {
    Call call;
    call.kind = Kind::Font;
    call.font = initial;
    calls.push_back(call);
    return takeFront(fontAnswers, std::optional<FontChoice>{});
}

bool ScriptedPrompts::print(QPrinter &, int flags) {
    Call call;
    call.kind = Kind::Print;
    call.flags = flags;
    calls.push_back(call);
    return takeFront(printAnswers, false);
}

std::vector<ScriptedPrompts::Call> ScriptedPrompts::messages() const {
    std::vector<Call> result;
    for (const Call &call : calls)
        if (call.kind == Kind::Message)
            result.push_back(call);
    return result;
}

QStringList ScriptedPrompts::messageTexts() const {
    QStringList texts;
    for (const Call &call : messages())
        texts << call.text;
    return texts;
}
