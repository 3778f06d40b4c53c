#include "analysis/text_pool.h"

namespace {

constexpr std::size_t kMaxTexts = 4096;
constexpr qsizetype kMaxLength = 64; // texts that repeat are short; a long one is not held

} // namespace

QString TextPool::shared(const QString &text) {
    if (text.size() > kMaxLength)
        return text;
    if (const auto found = m_texts.find(QStringView(text)); found != m_texts.end())
        return *found;
    if (m_texts.size() < kMaxTexts)
        m_texts.insert(text);
    return text;
}

QString TextPool::shared(QStringView text) {
    if (text.size() <= kMaxLength)
        if (const auto found = m_texts.find(text); found != m_texts.end())
            return *found;
    return shared(text.toString());
}
