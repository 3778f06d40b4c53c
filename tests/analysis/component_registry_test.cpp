#include "analysis/completion_list.h"
#include "analysis/component_registry.h"
#include "analysis/document_language.h"
#include "common/case_file.h"

#include <gtest/gtest.h>

#include <deque>

namespace {

// Answers the registry's random draws from a fixed list.
ComponentRegistry::RandomFraction scripted(std::deque<double> values) {
    return [values]() mutable {
        const double value = values.empty() ? 0.0 : values.front();
        if (!values.empty())
            values.pop_front();
        return value;
    };
}

template <typename T> std::shared_ptr<T> named(const QString &name) {
    auto made = std::make_shared<T>();
    made->setName(name);
    return made;
}
const auto listNamed = named<CompletionList>;
const auto languageNamed = named<DocumentLanguage>;

TEST(ComponentRegistry, RegistersFindsAndUnregistersByName) {
    ComponentRegistry registry;
    auto first = listNamed("Global_OPL_1");
    EXPECT_TRUE(registry.registerMemberList(first));
    EXPECT_FALSE(registry.registerMemberList(listNamed("Global_OPL_1"))) << "name taken";
    EXPECT_FALSE(registry.registerMemberList(listNamed(""))) << "no name";
    EXPECT_FALSE(registry.registerMemberList(nullptr));
    EXPECT_EQ(registry.findMemberList("Global_OPL_1"), first) << "the first keeps the name";
    EXPECT_EQ(registry.findMemberList("global_opl_1"), nullptr) << "names are exact";

    // Languages and completion lists are separate collections.
    const auto language = languageNamed("Global_OPL_1");
    EXPECT_TRUE(registry.registerLanguage(language));
    EXPECT_EQ(registry.findLanguage("Global_OPL_1"), language);
    EXPECT_EQ(registry.languageCount(), 1);
    EXPECT_EQ(registry.memberListCount(), 1);

    // Unregistering releases a list that nothing else holds.
    const std::weak_ptr<CompletionList> watched = first;
    EXPECT_TRUE(registry.unregisterMemberList("Global_OPL_1"));
    EXPECT_FALSE(registry.unregisterMemberList("Global_OPL_1"));
    first.reset();
    EXPECT_TRUE(watched.expired());
    EXPECT_EQ(registry.findMemberList("Global_OPL_1"), nullptr);
    EXPECT_EQ(registry.findLanguage("Global_OPL_1"), language);
    EXPECT_TRUE(registry.unregisterLanguage("Global_OPL_1"));
    EXPECT_EQ(registry.languageCount(), 0);
}

// Each case: numerator => scale => the fraction numerator/scale scaled, halves to even.
TEST(ComponentRegistry, ScalesRandomFractionsRoundingHalvesToEven) {
    for (const CaseLine &c : readCases("analysis/scaled_fractions.txt", 3))
        EXPECT_EQ(
            ComponentRegistry::scaled(c.text(0).toDouble() / c.text(1).toInt(), c.text(1).toInt()),
            c.text(2).toInt())
            << "line " << c.line;
}

TEST(ComponentRegistry, DrawsNamesAgainUntilUnusedAndAlwaysEnds) {
    ComponentRegistry registry;
    EXPECT_EQ(registry.drawLanguageName("OPL", scripted({0.5})), "OPL_8192");
    ASSERT_TRUE(registry.registerLanguage(languageNamed("OPL_8192")));
    EXPECT_EQ(registry.drawLanguageName("OPL", scripted({0.5, 0.5, 0.25})), "OPL_4096");

    EXPECT_EQ(registry.drawScanListName(scripted({0.5})), "ml_8192");
    ASSERT_TRUE(registry.registerMemberList(listNamed("ml_8192")));
    EXPECT_EQ(registry.drawScanListName(scripted({0.5, 1.0 / 16384})), "ml_1");
    // A language of that name does not block a completion list, nor the other way round.
    EXPECT_EQ(registry.drawLanguageName("ml", scripted({0.5 * 16384 / 16383})), "ml_8192");
    // Drawing ends even when the random source keeps hitting taken names.
    for (const char *name : {"ml_0", "ml_1", "ml_3"})
        ASSERT_TRUE(registry.registerMemberList(listNamed(QString::fromLatin1(name))));
    EXPECT_EQ(registry.drawScanListName([] { return 0.0; }), "ml_2");
    for (int i = 0; i <= 16383; ++i)
        registry.registerLanguage(languageNamed(QStringLiteral("OPL_%1").arg(i)));
    EXPECT_EQ(registry.drawLanguageName("OPL", [] { return 0.0; }), "OPL_16384");
}

} // namespace
