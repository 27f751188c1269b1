#pragma once

#include "model/Document.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <vector>

class QLockFile;

namespace editor {

// The copies of modified documents that survive a crash: one per running editor, in a folder
// of the user's, each with the original file name and the time beside it, and locked while
// its editor runs, so that two editors never take each other's.
class RecoveryStore {
public:
    // `folder` empty: "recovery" in the user's application data folder.
    explicit RecoveryStore(QString folder = {});
    // A normal exit leaves no copy behind.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore &) = delete;
    RecoveryStore &operator=(const RecoveryStore &) = delete;

    // Writes the document through the safe writer; its FileName is kept as the original name.
    // Throws model::IoError when the copy cannot be written.
    void write(model::TDocument &doc);
    // Removes this editor's copy (saved, discarded or closed).
    void remove();
    bool hasCopy() const { return mWritten; }
    QString copyPath() const;

    // A copy left by an editor that died.
    struct Orphan {
        QString copyPath;
        QString originalName; // empty for a document that was never saved
        QDateTime time;
    };
    // Every copy whose lock is stale; its lock is taken, so no other editor offers it too.
    std::vector<Orphan> takeOrphans();
    // Deletes an orphan's files once it was restored or refused.
    void discard(const Orphan &orphan);

private:
    QString path(const QString &id, const char *suffix) const;
    QString mFolder;
    QString mId;
    std::unique_ptr<QLockFile> mLock;
    std::vector<std::unique_ptr<QLockFile>> mTakenLocks;
    bool mWritten = false;
};

} // namespace editor
