#pragma once

#include <QStringView>
#include <array>

// Where the scanner's keywords and colons first occur in a line, ignoring case, found in one
// pass.
// Every keyword but "END DECLARE" ends with a blank and "END DECLARE" holds one, so only
// the blanks of a line need a closer look; this keeps the dozen keyword tests per line
// cheap on large files.
class LineKeywords {
public:
    enum Keyword {
        Rem,        // "REM "
        Global,     // "GLOBAL "
        Const,      // "CONST "
        Local,      // "LOCAL "
        Include,    // "INCLUDE "
        Open,       // "OPEN "
        OpenR,      // "OPENR "
        Create,     // "CREATE "
        Use,        // "USE "
        Proc,       // "PROC "
        DeclareOpx, // "DECLARE OPX "
        EndDeclare, // "END DECLARE"
        Count
    };

    explicit LineKeywords(QStringView line);

    // Start of the keyword's first occurrence, or -1.
    qsizetype position(Keyword keyword) const { return m_position[keyword]; }
    bool has(Keyword keyword) const { return m_position[keyword] >= 0; }

    // The text after the keyword's first occurrence (its trailing blank included in the
    // keyword). Only for a keyword that occurs.
    QStringView rest(QStringView line, Keyword keyword) const;

    // Where the line's first ":" and first "::" stand, or -1.
    qsizetype firstColon() const { return m_colon; }
    qsizetype firstDoubleColon() const { return m_doubleColon; }

    // Forgets every occurrence that does not lie wholly before `end` (the line was cut there),
    // colons included.
    void cutAt(qsizetype end);

    static qsizetype length(Keyword keyword);

private:
    void atBlank(QStringView line, qsizetype i);
    void atColon(QStringView line, qsizetype i);

    std::array<qsizetype, Count> m_position;
    qsizetype m_colon = -1;
    qsizetype m_doubleColon = -1;
};
