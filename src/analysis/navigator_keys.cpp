#include "analysis/navigator_keys.h"

namespace NavigatorKeys {

bool isTopLevel(QStringView key) {
    return key.size() == 1;
}

bool isMember(QStringView key) {
    return key.indexOf(u'_') >= 1;
}

bool isSymbol(QStringView key) {
    return key.size() > 1 && !isMember(key);
}

QChar kind(QStringView key) {
    return key.isEmpty() ? QChar() : key.front();
}

QString topLevel(QChar kind) {
    return QString(kind);
}

QString symbol(QChar kind, int number) {
    return kind + QString::number(number);
}

QString member(int procedureNumber, int child) {
    return kProcedures + QString::number(procedureNumber) + u'_' + QString::number(child);
}

} // namespace NavigatorKeys
