#include "analysis/declared_names.h"
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
// still get the walk's answers; so must procedures with many members, or with members that
// come in several places, which the index keeps differently from the few that come together.
TEST(ScopeIndex, AgreesWithTheWalkOnArbitraryNodeLists) {
    const QStringList keys = {"A", "F", "F1", "F2", "F1_1", "F2_3", "V1", "L1", "_x", "F_", ""};
    QStringList texts = {"a", "b", "c:", "", "main:", "A"};
    for (int i = 0; i < 60; ++i)
        texts.append(QString("m%1").arg(i));
    QRandomGenerator random(1234);
    for (int round = 0; round < 2000; ++round) {
        const bool many = round % 4 == 0;
        const int textCount = many ? int(texts.size()) : 6;
        QList<NavigatorNode> nodes;
        for (int i = random.bounded(many ? 200 : 8); i > 0; --i) {
            // Long lists are mostly members, under a few procedures.
            const QString key = many && random.bounded(4) != 0 ? QString("F1_1")
                                                               : keys[random.bounded(keys.size())];
            const int text =
                key == "F1" || key == "F2" ? random.bounded(6) : random.bounded(textCount);
            nodes.append({key, {}, texts[text]});
        }
        // A caller that asks lstProc first may have the index leave out what lstProc holds.
        QStringList lstProc;
        for (const NavigatorNode &node : nodes)
            if (random.bounded(2))
                lstProc.append(random.bounded(4) ? node.text : node.text.toUpper());
        const DeclaredNames declared(lstProc);
        const ScopeIndex index(nodes);
        const ScopeIndex withList(nodes, lstProc);
        for (const QString &name : texts.first(textCount))
            for (const QString &proc : texts.first(6)) {
                const bool walk = scopeWalk(nodes, name, proc);
                ASSERT_EQ(index.IsDeclaredInScope(name, proc), walk);
                const bool listed = declared.containsFolded(name.toUpper());
                ASSERT_EQ(listed || withList.IsDeclaredInScope(name, proc), listed || walk);
                // A guess at the procedure's number, right or wrong, changes no answer.
                ASSERT_EQ(index.ownerOf(proc, random.bounded(-1, 4)), index.ownerOf(proc));
            }
    }
}

} // namespace
