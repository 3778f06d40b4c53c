#include "analysis/scope_index.h"
#include "analysis/source_scanner.h"
#include "common/case_file.h"
#include "scan_test_support.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace {

// The navigator's scope lookup as a plain walk over the nodes in insertion order: the
// reference the index must agree with.
bool scopeWalk(const QList<NavigatorNode> &nodes, const QString &name, const QString &procName) {
    bool found = false;
    QString owner;
    for (const NavigatorNode &node : nodes) {
        if (node.key.size() == 1)
            continue;
        const bool member = node.key.indexOf(u'_') >= 1;
        if (node.key.startsWith(u'F') && !member)
            owner = node.text;
        if (node.text == name) {
            if (!member)
                return true;
            if (procName == owner)
                found = true;
        }
    }
    return found;
}

TEST(ScopeIndex, RulesMatchTheNavigator) {
    const QList<NavigatorNode> nodes =
        scanSource(QString("GLOBAL n%\nCONST K=1\nPROC main:(p)\nLOCAL i%\nOPEN \"f\",A,x\n"
                           "lbl::\nENDP\nPROC other:\nLOCAL i%, j%\nENDP")
                       .split('\n'),
                   testVocabulary(), {})
            .nodes;
    for (const CaseLine &c : readCases("analysis/scope_rules.txt", 3)) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(ScopeIndex(nodes).IsDeclaredInScope(c.text(0), c.text(1)), c.text(2) == "yes");
        EXPECT_EQ(scopeWalk(nodes, c.text(0), c.text(1)), c.text(2) == "yes");
    }
}

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
