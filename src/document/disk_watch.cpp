#include "document/disk_watch.h"

#include <QFileInfo>

DiskWatch::State DiskWatch::stateOf(const QString &path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return {true, info.size(), info.lastModified()};
}

void DiskWatch::record(const QString &path) {
    m_path = path;
    m_known = stateOf(path);
}

DiskWatch::Change DiskWatch::look() {
    if (m_path.isEmpty())
        return Change::None;
    const State now = stateOf(m_path);
    if (now == m_known)
        return Change::None;
    m_known = now;
    return now.exists ? Change::Changed : Change::Deleted;
}

bool DiskWatch::wouldOverwriteChange(const QString &path) const {
    if (m_path.isEmpty() ||
        QFileInfo(path).absoluteFilePath() != QFileInfo(m_path).absoluteFilePath())
        return false;
    const State now = stateOf(path);
    return now.exists && now != m_known;
}

QString DiskWatch::reloadQuestion(const QString &path) {
    return path + QStringLiteral("\r\n\r\nThis file was changed by another program. Reload it?\r\n"
                                 "No keeps the text shown here.");
}

QString DiskWatch::deletedReport(const QString &path) {
    return path + QStringLiteral("\r\n\r\nThis file was deleted or moved by another program. "
                                 "The text stays open here; save it to keep it.");
}

QString DiskWatch::overwriteQuestion(const QString &path) {
    return path + QStringLiteral("\r\n\r\nThis file was changed by another program since it was "
                                 "opened here. Replace it with the text shown here?");
}
