#include "document/file_drop_filter.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

FileDropFilter::FileDropFilter(std::function<void(const QStringList &)> open, QObject *parent)
    : QObject(parent), m_open(std::move(open)) {}

QStringList FileDropFilter::localFiles(const QMimeData *data) {
    QStringList files;
    if (!data)
        return files;
    for (const QUrl &url : data->urls())
        if (url.isLocalFile())
            files.append(url.toLocalFile());
    return files;
}

bool FileDropFilter::eventFilter(QObject *watched, QEvent *event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto *drop = static_cast<QDropEvent *>(event);
    const QStringList files = localFiles(drop->mimeData());
    if (files.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->acceptProposedAction();
    if (type == QEvent::Drop)
        m_open(files);
    return true;
}
