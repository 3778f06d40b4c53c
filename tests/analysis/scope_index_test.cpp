#include "analysis/navigator_keys.h"
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

class ScopeRules : public testing::TestWithParam<ScopeCase> {
protected:
    static QList<NavigatorNode> nodes() {
        return scanSource(docLines("GLOBAL n%\nCONST K=1\nPROC main:(p)\nLOCAL i%\nOPEN \"f\",A,x\n"
                                   "lbl::\nENDP\nPROC other:\nLOCAL i%, j%\nENDP"),
                          testVocabulary(), {})
            .nodes;
    }
};

TEST_P(ScopeRules, MatchTheNavigator) {
    const ScopeCase &c = GetParam();
    const QList<NavigatorNode> tree = nodes();
    EXPECT_EQ(ScopeIndex(tree).IsDeclaredInScope(c.name, c.procName), c.declared);
    EXPECT_EQ(scopeWalk(tree, c.name, c.procName), c.declared);
}

INSTANTIATE_TEST_SUITE_P(
    Navigator, ScopeRules,
    testing::Values(
        // Globals, constants, procedures and labels count everywhere, outside procedures too.
        ScopeCase{"n%", "other:", true}, ScopeCase{"n%", "", true}, ScopeCase{"K", "x:", true},
        ScopeCase{"main:", "", true}, ScopeCase{"lbl::", "other:", true},
        // Procedures only with their ":"; tree names only in their own case.
        ScopeCase{"main", "main:", false}, ScopeCase{"N%", "main:", false},
        // Members only inside their own procedure.
        ScopeCase{"p", "main:", true}, ScopeCase{"p", "other:", false},
        ScopeCase{"A", "main:", true}, ScopeCase{"A", "", false}, ScopeCase{"i%", "main:", true},
        ScopeCase{"i%", "other:", true}, ScopeCase{"j%", "main:", false},
        ScopeCase{"j%", "other:", true},
        // Top-level group texts are never names.
        ScopeCase{"Constants", "", false}));

// Node lists no scan would build (members before any procedure, odd keys, repeated texts)
// must still get the walk's answers.
TEST(ScopeIndex, AgreesWithTheWalkOnArbitraryNodeLists) {
    const QStringList keys = {"A",  "F",  "F1", "F2", "F1_1", "F2_3", "V1", "L1",
                              "_x", "F_", "",   "C",  "x_y",  "FF",   "C1"};
    const QStringList texts = {"a", "b", "c:", "", "main:", "A"};
    QRandomGenerator random(1234);
    for (int round = 0; round < 2000; ++round) {
        QList<NavigatorNode> nodes;
        const int count = random.bounded(8);
        for (int i = 0; i < count; ++i)
            nodes.append(
                {keys[random.bounded(keys.size())], {}, texts[random.bounded(texts.size())]});
        const ScopeIndex index(nodes);
        for (const QString &name : texts)
            for (const QString &proc : texts)
                ASSERT_EQ(index.IsDeclaredInScope(name, proc), scopeWalk(nodes, name, proc))
                    << "round " << round;
    }
}

TEST(NavigatorKeys, TellKindAndLevel) {
    using namespace NavigatorKeys;
    EXPECT_TRUE(isTopLevel(u"F"));
    EXPECT_TRUE(isSymbol(u"F12") && !isMember(u"F12"));
    EXPECT_TRUE(isMember(u"F12_3") && !isSymbol(u"F12_3"));
    EXPECT_FALSE(isMember(u"_3"));
    EXPECT_EQ(kind(u"V3"), u'V');
    EXPECT_EQ(member(12, 3), "F12_3");
    EXPECT_EQ(symbol(kLabels, 7), "L7");
}

} // namespace
