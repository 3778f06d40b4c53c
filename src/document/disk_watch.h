#pragma once

#include <QDateTime>
#include <QString>

// What a document knows of its file on disk, and what became of the file since. The document
// records the file whenever it loads or writes it; a later look tells whether another program
// changed or deleted it meanwhile. Each change is told once.
class DiskWatch {
public:
    enum class Change { None, Changed, Deleted };

    // The file at `path` as it is now becomes the known one.
    void record(const QString &path);
    // The known file; empty before the first record.
    QString path() const { return m_path; }

    // What became of the known file since it was recorded or last looked at. The state found
    // becomes the known one, so the same change is not told twice; a deleted file that comes
    // back counts as changed.
    Change look();

    // True when writing `path` would replace the known file, which another program changed
    // since it was recorded or last looked at.
    bool wouldOverwriteChange(const QString &path) const;

    // The texts of the questions and the report.
    static QString reloadQuestion(const QString &path);
    static QString deletedReport(const QString &path);
    static QString overwriteQuestion(const QString &path);

private:
    struct State {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const State &) const = default;
    };
    static State stateOf(const QString &path);

    QString m_path;
    State m_known;
};
