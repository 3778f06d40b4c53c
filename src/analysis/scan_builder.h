#pragma once

#include "analysis/declared_names.h"
#include "analysis/scan_result.h"
#include "analysis/scan_sink.h"
#include "analysis/text_pool.h"
#include "analysis/vocabulary_names.h"

#include <QString>
#include <QStringView>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Registers the names one scan finds: the name check, the duplicate reports, the counters
// and keys of the navigator, lstProc, the word lists and the completion entries, each handed
// to a sink as it is made. The scanner decides what a line declares; this class decides where
// each name goes.
class ScanBuilder {
public:
    enum class Origin { Document, Included };

    // Adds the top-level nodes and the placeholder words. `labelsNode` and `globalsNode`
    // tell whether the document has a label line and a "GLOBAL ".
    ScanBuilder(const VocabularyNames &vocabulary, ScanSink &sink, const QString &caption,
                bool labelsNode, bool globalsNode);

    // `bounds` is the text after the "(" of an array, or nothing for a plain variable.
    void addGlobal(QString name, const std::optional<QString> &bounds, int line);
    void addConstant(QString name, Origin origin, int line);
    // A local or a logical file, as a QStringView or a QString: a view is copied only when its
    // text is not kept already, a string is shared as it is.
    template <typename Text> void addMember(const Text &name, int line);
    void addProcedure(QString name, const QString &parameters, int line);
    void addOpxFunction(QString name, const QString &parameters, Origin origin, int line);
    void addLabel(QString label);

    // A report the scanner makes itself (an include that could not be read).
    void addReport(const ScanReport &report) { m_sink.report(report); }

    // The document line the next names come from (for a header: its INCLUDE line).
    void setLine(int line) { m_line = line; }

    // A line that is exactly "ENDP": the next child is numbered from 1 again.
    void endProcedure() { m_subCount = 0; }

    // Ends the scan; the names declared, upper-cased, for the search for undefined names.
    DeclaredNames finish();

private:
    // Where the children of the latest procedure or function go.
    enum class Owner { None, Accepted, Rejected };

    bool claim(QStringView name, Origin origin, int line);
    void addNode(const QString &parentKey, QString key, QString text);
    // A member's node; the text is shared with an earlier member's where it repeats.
    template <typename Text> void addChild(const Text &text);
    void addOwner(QString name); // the node of an accepted procedure or function
    void addParameters(const QString &parameters);
    void addCompletion(const QString &name, QString parameters, int icon, QString description) {
        m_sink.completion(name, std::move(parameters), icon, std::move(description));
    }
    void declare(const QString &name);

    // Child numbers taken under one owner. Numbers are taken one after the other from where
    // the counter stands, so they form a few runs; a run is kept as its first and last.
    class NumberRuns {
    public:
        bool contains(int number) const;
        void insert(int number);
        void clear() { m_runs.clear(); }

    private:
        std::vector<std::pair<int, int>> m_runs;
    };

    // The top-level keys, made once and shared by every node under them.
    struct TopKeys {
        QString labels, globals, constants, procedures;
    };

    const VocabularyNames &m_vocabulary;
    DeclaredNames m_declared;
    TextPool m_memberTexts; // member names repeat from procedure to procedure
    ScanSink &m_sink;
    TopKeys m_topKeys;
    QString m_procKey;             // key of the procedure or function that owns children
    NumberRuns m_usedChildNumbers; // of that procedure
    std::u16string m_foldBuffer;
    std::u16string m_partBuffer; // a parameter without its brackets
    bool m_labelsNode = false;
    Owner m_owner = Owner::None;
    int m_globalCount = 0;
    int m_constCount = 0;
    int m_procCount = 0;
    int m_subCount = 0;
    int m_labelCount = 0;
    int m_line = -1;
};
