#pragma once

#include <QHash>
#include <QString>

#include <functional>
#include <memory>

class CompletionList;
class DocumentLanguage;

// The program-wide collection of language definitions and completion lists, each looked up
// by the name it was registered under. Document windows register theirs at load, each scan
// registers a new completion list, and the editor finds the list to show by name.
class ComponentRegistry {
public:
    // A uniform random fraction in [0, 1).
    using RandomFraction = std::function<double()>;

    // The registry the program shares; tests make their own.
    static ComponentRegistry &global();

    // Registers under the object's current name. False (and nothing registered) when the
    // name is empty or already taken, or the object is null.
    bool registerLanguage(std::shared_ptr<DocumentLanguage> language);
    bool registerMemberList(std::shared_ptr<CompletionList> list);

    // False when nothing was registered under the name. Unregistering a scan's completion
    // list releases it once no window holds it any more.
    bool unregisterLanguage(const QString &name);
    bool unregisterMemberList(const QString &name);

    std::shared_ptr<DocumentLanguage> findLanguage(const QString &name) const;
    std::shared_ptr<CompletionList> findMemberList(const QString &name) const;

    int languageCount() const { return int(m_languages.size()); }
    int memberListCount() const { return int(m_memberLists.size()); }

    // `base` + "_" + a number from 0 to 16383 drawn as random * 16383 rounded half to even,
    // drawn again while a language of that name is registered.
    QString drawLanguageName(const QString &base, const RandomFraction &random) const;
    // "ml_" + a number from 0 to 16384 drawn as random * 16384 rounded half to even, drawn
    // again while a completion list of that name is registered.
    QString drawScanListName(const RandomFraction &random) const;

    // The random source the windows use: QRandomGenerator::global().
    static double systemRandom();

    // random * scale rounded to the nearest whole number, halves to even.
    static int scaled(double random, int scale);

private:
    QString drawName(const QString &prefix, int scale, const RandomFraction &random,
                     const std::function<bool(const QString &)> &taken) const;

    QHash<QString, std::shared_ptr<DocumentLanguage>> m_languages;
    QHash<QString, std::shared_ptr<CompletionList>> m_memberLists;
};
