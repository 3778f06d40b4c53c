#include "scripted_prompts.h"

namespace {

template <typename T> T takeFront(std::deque<T> &queue, T fallback) {
    if (!queue.empty()) {
        fallback = std::move(queue.front());
        queue.pop_front();
    }
    return fallback;
}

ScriptedPrompts::Call &record(std::vector<ScriptedPrompts::Call> &calls,
                              ScriptedPrompts::Kind kind) {
    calls.emplace_back().kind = kind;
    return calls.back();
}

} // namespace

MessageAnswer ScriptedPrompts::message(const QString &text, const QString &title, MessageIcon icon,
                                       MessageButtons buttons) {
    Call &call = record(calls, Kind::Message);
    call.text = text, call.title = title, call.icon = icon, call.buttons = buttons;
    if (onMessage)
        onMessage();
    using enum MessageButtons;
    return takeFront(messageAnswers, buttons == Ok      ? MessageAnswer::Ok
                                     : buttons == YesNo ? MessageAnswer::No
                                                        : MessageAnswer::Cancel);
}

std::optional<QString> ScriptedPrompts::input(const QString &prompt, const QString &title,
                                              const QString &initial) {
    Call &call = record(calls, Kind::Input);
    call.text = prompt, call.title = title, call.file.fileName = initial;
    return takeFront(inputAnswers, std::optional<QString>{});
}

QString ScriptedPrompts::openFileName(const FileDialogRequest &request) {
    Call &call = record(calls, Kind::OpenFile);
    call.text = request.title, call.file = request;
    return takeFront(fileAnswers, QString());
}

QString ScriptedPrompts::saveFileName(const FileDialogRequest &request) {
    Call &call = record(calls, Kind::SaveFile);
    call.text = request.title, call.file = request;
    return takeFront(fileAnswers, QString());
}

std::optional<std::uint32_t> ScriptedPrompts::colour(std::uint32_t initial) {
    record(calls, Kind::Colour).colour = initial;
    return takeFront(colourAnswers, std::optional<std::uint32_t>{});
}

std::optional<FontChoice> ScriptedPrompts::font(const FontChoice &initial) {
    record(calls, Kind::Font).font = initial;
    return takeFront(fontAnswers, std::optional<FontChoice>{});
}

bool ScriptedPrompts::print(QPrinter &, int flags) {
    record(calls, Kind::Print).flags = flags;
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

QString ScriptedPrompts::box(const QString &text, const QString &title, MessageIcon icon,
                             MessageButtons buttons) {
    static const char *const icons[] = {"None", "Critical", "Exclamation", "Information",
                                        "Question"};
    static const char *const buttonSets[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel"};
    return text + " | " + title + " | " + icons[int(icon)] + " | " + buttonSets[int(buttons)];
}

QString ScriptedPrompts::onlyMessage() const {
    if (calls.size() != 1 || calls[0].kind != Kind::Message)
        return QStringLiteral("<%1 calls>").arg(calls.size());
    return box(calls[0].text, calls[0].title, calls[0].icon, calls[0].buttons);
}

QStringList ScriptedPrompts::boxes() const {
    QStringList shown;
    for (const Call &call : messages())
        shown << box(call.text, call.title, call.icon, call.buttons);
    return shown;
}
