// Writes a generated OPL source of the given number of lines (CR LF), for timing tools
// such as grep on the same input the benchmarks use.
#include "opl_source_generator.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QStringConverter>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int count = args.size() == 3 ? args[2].toInt(&ok) : 0;
    if (!ok || count < 1) {
        std::fprintf(stderr, "usage: tamro-opl-gen FILE LINES\n");
        return 2;
    }
    QSaveFile file(args[1]);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
        return 1;
    }
    file.write(OplSourceGenerator::lines(count).join(QStringLiteral("\r\n")).toLatin1());
    if (!file.commit()) {
        std::fprintf(stderr, "%s\n", qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
