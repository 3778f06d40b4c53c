#include "analysis/scope_index.h"
#include "analysis/source_scanner.h"
#include "scan_test_support.h"
#include "scope_walk.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

struct ScopeCase {
    const char *name;
    const char *procName;
    bool declared;
};

class ScopeRules : public testing::TestWithParam<ScopeCase> {};

TEST_P(ScopeRules, MatchTheNavigator) {
    const QList<NavigatorNode> nodes =
        scanSource(docLines("GLOBAL n%\nCONST K=1\nPROC main:(p)\nLOCAL i%\nOPEN \"f\",A,x\n"
                            "lbl::\nENDP\nPROC other:\nLOCAL i%, j%\nENDP"),
                   testVocabulary(), {})
            .nodes;
    const QString name = QString::fromUtf8(GetParam().name);
    const QString procName = QString::fromUtf8(GetParam().procName);
    EXPECT_EQ(ScopeIndex(nodes).IsDeclaredInScope(name, procName), GetParam().declared);
    EXPECT_EQ(scopeWalk(nodes, name, procName), GetParam().declared);
}

const ScopeCase kScopeCases[] = {
    // Globals, constants, procedures and labels count everywhere, outside procedures too.
    {"n%", "other:", true},
    {"main:", "", true},
    {"lbl::", "other:", true},
    // Procedures only with their ":"; tree names only in their own case.
    {"main", "main:", false},
    {"N%", "main:", false},
    // Members only inside their own procedure.
    {"p", "main:", true},
    {"p", "other:", false},
    {"A", "", false},
    {"i%", "other:", true},
    {"j%", "main:", false},
    // Group texts are never names.
    {"Constants", "", false},
};
INSTANTIATE_TEST_SUITE_P(Navigator, ScopeRules, testing::ValuesIn(kScopeCases));

// Node lists no scan builds (members before any procedure, odd keys, repeated texts) must
// still get the walk's answers.
TEST(ScopeIndex, AgreesWithTheWalkOnArbitraryNodeLists) {
    const QStringList keys = {"A", "F", "F1", "F2", "F1_1", "F2_3", "V1", "L1", "_x", "F_", ""};
    const QStringList texts = {"a", "b", "c:", "", "main:", "A"};
    QRandomGenerator random(1234);
    for (int round = 0; round < 2000; ++round) {
        QList<NavigatorNode> nodes;
        for (int i = random.bounded(8); i > 0; --i)
            nodes.append({keys[random.bounded(keys.size())], {}, texts[random.bounded(6)]});
        const ScopeIndex index(nodes);
        for (const QString &name : texts)
            for (const QString &proc : texts)
                ASSERT_EQ(index.IsDeclaredInScope(name, proc), scopeWalk(nodes, name, proc));
    }
}

} // namespace
