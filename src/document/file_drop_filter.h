#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

class QMimeData;

// Lets files from a file manager be dropped on a widget: a drag that carries local files is
// accepted, and the drop hands their paths to `open` instead of to the widget (an editor would
// insert the paths as text).
class FileDropFilter : public QObject {
    Q_OBJECT

public:
    FileDropFilter(std::function<void(const QStringList &)> open, QObject *parent);

    // The local files among the dropped data's URLs, in order.
    static QStringList localFiles(const QMimeData *data);

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::function<void(const QStringList &)> m_open;
};
