#include "translator/log_name.h"

QString MakeLogName(const QDateTime &when) {
    const QDate date = when.date();
    const QTime time = when.time();
    const int seconds = time.hour() * 3600 + time.minute() * 60 + time.second();
    return QStringLiteral("tpl%1_%2_%3_%4.log")
        .arg(date.day())
        .arg(date.month())
        .arg(date.year())
        .arg(seconds);
}
