#pragma once

#include <QDateTime>
#include <QLockFile>
#include <QString>
#include <memory>
#include <vector>

namespace zizaza {

class mTDeclaration;

// Recovery copies of unsaved declarations. Each running program has a folder of its own under
// the root, locked while it runs (a lock file with its process number), holding at most one
// copy and what it is a copy of. A folder whose lock nobody holds any more was left by a
// session that did not end normally; its copy is offered at the next start. A running
// program never touches the folder of another one.
class RecoveryStore {
public:
    // root: where the sessions' folders live; empty: "recovery" in the user's data folder.
    explicit RecoveryStore(QString root = {});
    // A session that leaves no copy leaves no folder either.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    // Writes this session's copy with the declaration's own atomic writer, then notes the file
    // it is a copy of and the time. False, with the reason, when it cannot.
    bool Write(const mTDeclaration& doc, const QString& originalName, QString* why = nullptr);
    // Removes this session's copy (saved, or given up by the user).
    void Remove();
    bool HasCopy() const;
    QString CopyPath() const;

    // A copy left by a session that is not running any more; held by this session (its lock
    // taken) until the object goes.
    struct LeftCopy {
        QString folder;
        QString copy;
        QString originalName;
        QString originalModified;  // when the original was last written as the copy was made
        QDateTime written;
        std::shared_ptr<QLockFile> lock;
        // Whether the file the copy is of was written since (or cannot be told): Save must then ask
        // where to save rather than replace it.
        bool OriginalChanged() const;
    };
    // The copies left behind, newest first: only plain folders directly under the root, never one
    // reached through a symbolic link.
    std::vector<LeftCopy> LeftCopies() const;
    // Deletes a left copy with its folder: only the program's own files, and the folder when it is
    // empty then.
    static void Discard(LeftCopy& left);

    QString Root() const { return m_root; }

private:
    bool OpenSession();

    QString m_root;
    QString m_folder;  // empty until the first copy
    std::unique_ptr<QLockFile> m_lock;
};

}  // namespace zizaza
