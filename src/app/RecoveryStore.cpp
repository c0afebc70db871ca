#include "app/RecoveryStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>
#include <algorithm>

#include "model/mTDeclaration.h"

namespace zizaza {

namespace {

const QString kLockName = QStringLiteral("session.lock");
const QString kCopyName = QStringLiteral("declaration.tv7");
const QString kInfoName = QStringLiteral("copy.ini");

std::unique_ptr<QLockFile> LockFor(const QString& folder) {
    auto lock = std::make_unique<QLockFile>(folder + QLatin1Char('/') + kLockName);
    // A lock is stale only when its process is gone, however long a session runs.
    lock->setStaleLockTime(0);
    return lock;
}

}  // namespace

RecoveryStore::RecoveryStore(QString root) : m_root(std::move(root)) {
    if (m_root.isEmpty())
        m_root = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/recovery");
}

RecoveryStore::~RecoveryStore() {
    if (m_folder.isEmpty())
        return;
    const bool keep = HasCopy();
    m_lock.reset();
    if (!keep)
        QDir(m_folder).removeRecursively();
}

bool RecoveryStore::OpenSession() {
    if (!m_folder.isEmpty())
        return true;
    const QString name = QStringLiteral("%1-%2")
                             .arg(QCoreApplication::applicationPid())
                             .arg(QUuid::createUuid().toString(QUuid::Id128).left(12));
    const QString folder = m_root + QLatin1Char('/') + name;
    if (!QDir().mkpath(folder))
        return false;
    auto lock = LockFor(folder);
    if (!lock->tryLock(0)) {
        QDir(folder).removeRecursively();
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
        doc.Save(CopyPath().toStdString());
    } catch (const std::exception& e) {
        if (why)
            *why = QString::fromStdString(e.what());
        return false;
    }
    QSettings info(m_folder + QLatin1Char('/') + kInfoName, QSettings::IniFormat);
    info.setValue(QStringLiteral("original"), originalName);
    info.setValue(QStringLiteral("written"), QDateTime::currentDateTime().toString(Qt::ISODate));
    info.sync();
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
    const QFileInfoList folders = QDir(m_root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QFileInfo& entry : folders) {
        const QString folder = entry.absoluteFilePath();
        if (QDir(folder) == QDir(m_folder))
            continue;
        const QString copy = folder + QLatin1Char('/') + kCopyName;
        if (!QFileInfo::exists(copy))
            continue;
        std::shared_ptr<QLockFile> lock = LockFor(folder);
        if (!lock->tryLock(0))
            continue;  // its program is still running
        QSettings info(folder + QLatin1Char('/') + kInfoName, QSettings::IniFormat);
        QDateTime written = QDateTime::fromString(info.value(QStringLiteral("written")).toString(), Qt::ISODate);
        if (!written.isValid())
            written = QFileInfo(copy).lastModified();
        left.push_back({folder, copy, info.value(QStringLiteral("original")).toString(), written, std::move(lock)});
    }
    std::sort(left.begin(), left.end(), [](const LeftCopy& a, const LeftCopy& b) { return a.written > b.written; });
    return left;
}

void RecoveryStore::Discard(LeftCopy& left) {
    // The copy goes while the folder is still held; the lock file last, with the lock.
    QFile::remove(left.copy);
    QFile::remove(left.folder + QLatin1Char('/') + kInfoName);
    left.lock.reset();
    QDir(left.folder).removeRecursively();
}

}  // namespace zizaza
