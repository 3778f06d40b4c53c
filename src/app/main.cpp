#include "app/mdl_main.h"
#include "app/qt_prompts.h"
#include "base/memory_policy.h"

#include <QApplication>

int main(int argc, char **argv) {
    MemoryPolicy::tuneAllocator();
    QApplication app(argc, argv);
    QtPrompts prompts;
    mdlMAIN module(QCoreApplication::applicationDirPath(), prompts);
    module.applyStartDefaults();
    module.start(QCoreApplication::arguments().mid(1));
    return QApplication::exec();
}
