#include "Recovery.h"

#include "GlowFileIO.h"
#include "model/IoError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QStandardPaths>
#include <QUuid>

namespace editor {

namespace {

QString standardFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) + QStringLiteral("/recovery");
}

std::unique_ptr<QLockFile> lockFile(const QString &path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // A lock is stale only when its editor is gone, however long that editor has run.
    lock->setStaleLockTime(0);
    return lock;
}

} // namespace

RecoveryStore::RecoveryStore(QString folder)
    : mFolder(folder.isEmpty() ? standardFolder() : std::move(folder)),
      mId(QUuid::createUuid().toString(QUuid::WithoutBraces))
{
}

RecoveryStore::~RecoveryStore()
{
    remove();
    for (auto &lock : mTakenLocks)
        lock->unlock();
    if (mLock)
        mLock->unlock();
}

QString RecoveryStore::path(const QString &id, const char *suffix) const
{
    return mFolder + QLatin1Char('/') + id + QLatin1String(suffix);
}

QString RecoveryStore::copyPath() const
{
    return path(mId, ".pat");
}

void RecoveryStore::write(model::TDocument &doc)
{
    if (!mLock) {
        if (!QDir().mkpath(mFolder))
            throw model::FileOpenError(mFolder.toStdString());
        mLock = lockFile(path(mId, ".lock"));
        if (!mLock->tryLock(0)) {
            mLock.reset();
            throw model::FileOpenError(path(mId, ".lock").toStdString());
        }
    }
    WriteGlowFile(doc, copyPath());
    QJsonObject about;
    about.insert(QStringLiteral("file"), QString::fromStdString(doc.GlowFile.FileName));
    about.insert(QStringLiteral("time"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs));
    writeFileSafely(path(mId, ".json"), QJsonDocument(about).toJson());
    mWritten = true;
}

void RecoveryStore::remove()
{
    QFile::remove(copyPath());
    QFile::remove(path(mId, ".json"));
    mWritten = false;
}

std::vector<RecoveryStore::Orphan> RecoveryStore::takeOrphans()
{
    std::vector<Orphan> found;
    const QDir folder(mFolder);
    for (const QString &name : folder.entryList({QStringLiteral("*.pat")}, QDir::Files, QDir::Name)) {
        const QString id = name.chopped(4);
        if (id == mId)
            continue;
        auto lock = lockFile(path(id, ".lock"));
        if (!lock->tryLock(0))
            continue; // its editor still runs
        QFile info(path(id, ".json"));
        QJsonObject about;
        if (info.open(QIODevice::ReadOnly))
            about = QJsonDocument::fromJson(info.readAll()).object();
        found.push_back(
            Orphan{path(id, ".pat"), about.value(QStringLiteral("file")).toString(),
                   QDateTime::fromString(about.value(QStringLiteral("time")).toString(), Qt::ISODateWithMs)});
        mTakenLocks.push_back(std::move(lock));
    }
    return found;
}

void RecoveryStore::discard(const Orphan &orphan)
{
    const QString id = QFileInfo(orphan.copyPath).completeBaseName();
    QFile::remove(orphan.copyPath);
    QFile::remove(path(id, ".json"));
    for (auto it = mTakenLocks.begin(); it != mTakenLocks.end(); ++it) {
        if ((*it)->fileName() == path(id, ".lock")) {
            (*it)->unlock();
            mTakenLocks.erase(it);
            break;
        }
    }
}

} // namespace editor
