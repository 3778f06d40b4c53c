#include "analysis/component_registry.h"

#include "analysis/completion_list.h"
#include "analysis/document_language.h"

#include <QRandomGenerator>

#include <cmath>

namespace {

// Random draws before falling back to the first free number; with at most a few hundred
// windows open a clash is rare, so this bound is only reached when nearly all are taken.
constexpr int MaxDraws = 64;

} // namespace

ComponentRegistry &ComponentRegistry::global() {
    static ComponentRegistry registry;
    return registry;
}

bool ComponentRegistry::registerLanguage(std::shared_ptr<DocumentLanguage> language) {
    if (!language || language->name().isEmpty() || m_languages.contains(language->name()))
        return false;
    const QString name = language->name();
    m_languages.insert(name, std::move(language));
    return true;
}

bool ComponentRegistry::registerMemberList(std::shared_ptr<CompletionList> list) {
    if (!list || list->name().isEmpty() || m_memberLists.contains(list->name()))
        return false;
    const QString name = list->name();
    m_memberLists.insert(name, std::move(list));
    return true;
}

bool ComponentRegistry::unregisterLanguage(const QString &name) {
    return m_languages.remove(name) > 0;
}

bool ComponentRegistry::unregisterMemberList(const QString &name) {
    return m_memberLists.remove(name) > 0;
}

std::shared_ptr<DocumentLanguage> ComponentRegistry::findLanguage(const QString &name) const {
    return m_languages.value(name);
}

std::shared_ptr<CompletionList> ComponentRegistry::findMemberList(const QString &name) const {
    return m_memberLists.value(name);
}

int ComponentRegistry::scaled(double random, int scale) {
    // nearbyint rounds halves to even under the default rounding mode.
    return int(std::nearbyint(random * scale));
}

double ComponentRegistry::systemRandom() {
    return QRandomGenerator::global()->generateDouble();
}

QString ComponentRegistry::drawName(const QString &prefix, int scale, const RandomFraction &random,
                                    const std::function<bool(const QString &)> &taken) const {
    for (int draw = 0; draw < MaxDraws; ++draw) {
        const QString name = prefix + QString::number(scaled(random(), scale));
        if (!taken(name))
            return name;
    }
    for (int number = 0; number <= scale; ++number) {
        const QString name = prefix + QString::number(number);
        if (!taken(name))
            return name;
    }
    // Every number is taken: count on past the range rather than fail.
    for (qint64 number = qint64(scale) + 1;; ++number) {
        const QString name = prefix + QString::number(number);
        if (!taken(name))
            return name;
    }
}

QString ComponentRegistry::drawLanguageName(const QString &base,
                                            const RandomFraction &random) const {
    return drawName(base + QLatin1Char('_'), 16383, random,
                    [this](const QString &name) { return m_languages.contains(name); });
}

QString ComponentRegistry::drawScanListName(const RandomFraction &random) const {
    return drawName(QStringLiteral("ml_"), 16384, random,
                    [this](const QString &name) { return m_memberLists.contains(name); });
}
