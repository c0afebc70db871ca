#include "app/RecoveryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include "model/DeclarationBytes.h"
#include "model/mTDeclaration.h"
#include "storage/AtomicFile.h"
#include "storage/PrivateFolder.h"

namespace zizaza {

namespace {

const QString kLockName = QStringLiteral("session.lock");
const QString kCopyName = QStringLiteral("declaration.tv7");
const QString kInfoName = QStringLiteral("copy.ini");
const QString kOriginalKey = QStringLiteral("original");
const QString kWrittenKey = QStringLiteral("written");
const QString kOriginalModifiedKey = QStringLiteral("originalModified");

std::unique_ptr<QLockFile> LockFor(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + kLockName);
    // A lock is stale only when its process is gone, however long a session runs.
    lock->setStaleLockTime(0);
    return lock;
}

QString ModifiedText(const QString& file) {
    const QFileInfo info(file);
    return info.exists() ? info.lastModified().toUTC().toString(Qt::ISODateWithMs) : QString();
}

// Only what the program itself puts into a session folder is ever removed, and the folder only
// once it is empty: a folder that is not the program's keeps everything in it.
void RemoveSessionFolder(const QString& folder) {
    for (const QString& name : {kCopyName, kInfoName, kLockName, kLockName + QStringLiteral(".rmlock")})
        QFile::remove(folder + QLatin1Char('/') + name);
    QDir().rmdir(folder);
}

// A session folder is a plain folder directly under the root (no symbolic link, nothing that
// resolves elsewhere) holding a plain copy file.
bool IsSessionFolder(const QFileInfo& entry, const QString& canonicalRoot) {
    if (entry.isSymLink() || !entry.isDir())
        return false;
    const QString canonical = entry.canonicalFilePath();
    if (canonical.isEmpty() || QFileInfo(canonical).path() != canonicalRoot)
        return false;
    const QFileInfo copy(entry.absoluteFilePath() + QLatin1Char('/') + kCopyName);
    return copy.exists() && !copy.isSymLink() && copy.isFile();
}

}  // namespace

bool RecoveryStore::LeftCopy::OriginalChanged() const {
    if (originalName.isEmpty())
        return false;
    return !QFileInfo(originalName).isAbsolute() || originalModified.isEmpty() ||
           ModifiedText(originalName) != originalModified;
}

RecoveryStore::RecoveryStore(QString root) : m_root(std::move(root)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
    // The copies hold names, INN and passport data: a root left readable by others (an older
    // program, a loose umask) is mended at every start.
    if (QFileInfo::exists(m_root))
        MakePrivateFolder(m_root.toStdString());
}

RecoveryStore::~RecoveryStore() {
    if (m_folder.isEmpty())
        return;
    const bool keep = HasCopy();
    m_lock.reset();
    if (!keep)
        RemoveSessionFolder(m_folder);
}

bool RecoveryStore::OpenSession() {
    if (!m_folder.isEmpty())
        return true;
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    const QString folder = m_root + QLatin1Char('/') + name;
    if (!MakePrivateFolder(m_root.toStdString()) || !MakePrivateFolder(folder.toStdString()))
        return false;
    auto lock = LockFor(folder);
    if (!lock->tryLock(0)) {
        RemoveSessionFolder(folder);
        return false;
    }
    m_folder = folder;
    m_lock = std::move(lock);
    return true;
}

QString RecoveryStore::CopyPath() const {
    return m_folder.isEmpty() ? QString() : m_folder + QLatin1Char('/') + kCopyName;
}

bool RecoveryStore::HasCopy() const {
    return !m_folder.isEmpty() && QFileInfo::exists(CopyPath());
}

bool RecoveryStore::Write(const mTDeclaration& doc, const QString& originalName, QString* why) {
    if (!OpenSession()) {
        if (why)
            *why = QStringLiteral("нет доступа к папке ") + m_root;
        return false;
    }
    try {
        // The declaration's own bytes through the program's writer, which reads them back.
        WriteFileAtomically(CopyPath().toStdString(), SaveDeclarationToBytes(doc));
    } catch (const FileWriteError& e) {
        if (why) {
            // The system's reason in plain words: "нет места на диске".
            *why = QString::fromStdString(e.Reason());
            if (!why->isEmpty())
                (*why)[0] = why->at(0).toLower();
        }
        return false;
    } catch (const std::exception& e) {
        if (why)
            *why = QString::fromStdString(e.what());
        return false;
    }
    // The whole path: the copy may be recovered by a program started from another working folder.
    const QString original = originalName.isEmpty() ? QString() : QFileInfo(originalName).absoluteFilePath();
    QSettings info(m_folder + QLatin1Char('/') + kInfoName, QSettings::IniFormat);
    info.setValue(kOriginalKey, original);
    info.setValue(kWrittenKey, QDateTime::currentDateTime().toString(Qt::ISODate));
    // The recovered declaration goes back into this file only while nobody has written it since.
    info.setValue(kOriginalModifiedKey, original.isEmpty() ? QString() : ModifiedText(original));
    info.sync();
    MakePrivateFolder(m_folder.toStdString());
    return true;
}

void RecoveryStore::Remove() {
    if (m_folder.isEmpty())
        return;
    QFile::remove(CopyPath());
    QFile::remove(m_folder + QLatin1Char('/') + kInfoName);
}

std::vector<RecoveryStore::LeftCopy> RecoveryStore::LeftCopies() const {
    std::vector<LeftCopy> left;
    const QString canonicalRoot = QFileInfo(m_root).canonicalFilePath();
    if (canonicalRoot.isEmpty())
        return left;
    const QFileInfoList folders = QDir(m_root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& entry : folders) {
        if (!IsSessionFolder(entry, canonicalRoot))
            continue;
        const QString folder = entry.absoluteFilePath();
        if (!m_folder.isEmpty() && QDir(folder) == QDir(m_folder))
            continue;
        const QString copy = folder + QLatin1Char('/') + kCopyName;
        std::shared_ptr<QLockFile> lock = LockFor(folder);
        if (!lock->tryLock(0))
            continue;  // its program is still running
        QSettings info(folder + QLatin1Char('/') + kInfoName, QSettings::IniFormat);
        QDateTime written = QDateTime::fromString(info.value(kWrittenKey).toString(), Qt::ISODate);
        if (!written.isValid())
            written = QFileInfo(copy).lastModified();
        left.push_back({folder, copy, info.value(kOriginalKey).toString(), info.value(kOriginalModifiedKey).toString(),
                        written, std::move(lock)});
    }
    std::sort(left.begin(), left.end(), [](const LeftCopy& a, const LeftCopy& b) { return a.written > b.written; });
    return left;
}

void RecoveryStore::Discard(LeftCopy& left) {
    // The copy goes while the folder is still held; the lock file last, with the lock.
    QFile::remove(left.copy);
    QFile::remove(left.folder + QLatin1Char('/') + kInfoName);
    left.lock.reset();
    RemoveSessionFolder(left.folder);
}

}  // namespace zizaza
