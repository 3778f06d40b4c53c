#include "opl_source_generator.h"

namespace OplSourceGenerator {

namespace {

constexpr int kLinesPerProcedure = 50;

// A small linear congruential generator: the same input on every machine.
class Random {
public:
    explicit Random(quint32 seed) : m_state(seed) {}
    int below(int n) {
        m_state = m_state * 1664525u + 1013904223u;
        return int((m_state >> 8) % quint32(n));
    }

private:
    quint32 m_state;
};

QString bodyLine(int p, Random &random) {
    const QString n = QString::number(p);
    switch (random.below(12)) {
    case 0:
        return QStringLiteral("  i% = i% + 1");
    case 1:
        return QStringLiteral("  PRINT \"Value of item \", i%, \" in \", buf$ REM show it");
    case 2:
        return QStringLiteral("  IF i% < KLimit%1% : GOTO loop%1:: : ENDIF").arg(n);
    case 3:
        return QStringLiteral("  buf$ = LEFT$(b$, 3) + MID$(\"abc;def\", 2, 1)");
    case 4:
        return QStringLiteral("  g%1% = g%1% * 2 + arr&(i%) REM doubles").arg(n);
    case 5:
        return QStringLiteral("  total& = total& + proc%1%:(a%, \"x\", 10)").arg(p > 1 ? p - 1 : 1);
    case 6:
        return QStringLiteral("  WHILE i% <= 10 AND KEY = 0");
    case 7:
        return QStringLiteral("  ENDWH");
    case 8:
        return QStringLiteral("  AT 1, 2 : PRINT gs%1$(i%), KMaxItems&").arg(n);
    case 9:
        return QStringLiteral("  A.count% = A.count% + 1 : UPDATE");
    case 10:
        return QStringLiteral("  unknown%1% = SysBeep&:(440, 10)").arg(random.below(1000));
    default:
        return QStringLiteral("  RETURN c& * 16 + $FF");
    }
}

} // namespace

QStringList lines(int lineCount, quint32 seed) {
    Random random(seed);
    QStringList out;
    out.reserve(lineCount);
    out << QStringLiteral("REM Generated OPL source for benchmarks")
        << QStringLiteral("INCLUDE \"%1\"").arg(includeName());
    for (int p = 1; out.size() < lineCount; ++p) {
        const QString n = QString::number(p);
        out << QStringLiteral("REM Procedure %1: computes something").arg(n)
            << QStringLiteral("PROC proc%1%:(a%, b$, c&)").arg(n)
            << QStringLiteral("  GLOBAL g%1%, gs%1$(10), total%1&").arg(n)
            << QStringLiteral("  LOCAL i%, buf$(20), arr&(10), total&")
            << QStringLiteral("  CONST KLimit%1%=100").arg(n)
            << QStringLiteral("  OPEN \"data%1\",A,count%,name$").arg(n)
            << QStringLiteral("loop%1::").arg(n);
        for (int k = 7; k < kLinesPerProcedure - 1 && out.size() < lineCount - 1; ++k)
            out << bodyLine(p, random);
        out << QStringLiteral("ENDP");
    }
    while (out.size() > lineCount)
        out.removeLast();
    return out;
}

QString includeName() {
    return QStringLiteral("opx/sys.oph");
}

QString header() {
    QString text = QStringLiteral("REM System OPX\r\nCONST KMaxItems&=&100\r\n"
                                  "DECLARE OPX SYSTEM,&1000025C,$100\r\n");
    for (int f = 1; f <= 40; ++f)
        text += QStringLiteral("  SysCall%1&:(a&, b&) : %1\r\n").arg(f);
    text += QStringLiteral("  SysBeep&:(freq&, dur&) : 99\r\nEND DECLARE\r\n");
    return text;
}

QStringList vocabulary() {
    return {"PRINT",   "IF",       "ENDIF",    "GOTO",  "RETURN", "WHILE",  "ENDWH", "LOCAL",
            "GLOBAL",  "PROC",     "ENDP",     "CONST", "OPEN",   "CLOSE",  "USE",   "AT",
            "CLS",     "GET",      "KEY",      "LEFT$", "MID$",   "RIGHT$", "LEN",   "INT",
            "ABS",     "AND",      "OR",       "NOT",   "UPDATE", "APPEND", "FIRST", "NEXT",
            "EOF",     "BEEP",     "PAUSE",    "INPUT", "ELSE",   "ELSEIF", "DO",    "UNTIL",
            "BREAK",   "CONTINUE", "TRAP",     "ONERR", "RAISE",  "ERR",    "ERR$",  "STOP",
            "INCLUDE", "DECLARE",  "EXTERNAL", "OPX",   "END",    "VECTOR", "ENDV",  "GIPRINT"};
}

} // namespace OplSourceGenerator
