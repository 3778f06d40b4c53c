// tamro-scan: the navigator outline, the scan's reports and, on request, the undefined
// names of OPL sources, for scripts. See ScanOptions::usage().
#include "cli/scan_command.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    ScanCommand command(QCoreApplication::applicationDirPath(), out, err);
    const int status = command.run(QCoreApplication::arguments());
    out.flush();
    err.flush();
    return status;
}
