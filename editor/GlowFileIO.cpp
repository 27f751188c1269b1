#include "GlowFileIO.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <ostream>

namespace editor {

namespace {

std::string nativePath(const QString &fileName)
{
#ifdef _WIN32
    return fileName.toStdString(); // the model opens UTF-8 names with the wide API
#else
    return QFile::encodeName(fileName).toStdString();
#endif
}

// QSaveFile alone can report success after a short write on a full disk (QTBUG-75077), so
// the sink writes unbuffered, checks every count, and cancels the save on any failure.
class SaveFileSink : public model::ByteSink {
public:
    explicit SaveFileSink(const QString &fileName) : mFile(fileName)
    {
        errno = 0;
        if (!mFile.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
            const int err = errno;
            // The temporary file could not be made beside the target: a folder we may not write.
            throw model::IoError::fromErrno(err ? err : EACCES);
        }
    }

    ~SaveFileSink() override
    {
        if (!mCommitted)
            mFile.cancelWriting();
    }

    void write(const std::uint8_t *data, std::size_t size) override
    {
        std::size_t done = 0;
        while (done < size) {
            errno = 0;
            const qint64 n = mFile.write(reinterpret_cast<const char *>(data + done), qint64(size - done));
            if (n <= 0)
                fail(errno);
            if (std::size_t(n) < size - done) {
                // A short write means the disk or the file size limit is reached.
                fail(ENOSPC);
            }
            done += std::size_t(n);
        }
    }

    void commit() override
    {
        errno = 0;
        if (!mFile.flush())
            fail(errno);
        errno = 0;
        if (!mFile.commit()) {
            const int err = errno;
            mCommitted = true; // commit() has already discarded the temporary file
            throw model::IoError::fromErrno(err ? err : EIO);
        }
        mCommitted = true;
    }

private:
    [[noreturn]] void fail(int err)
    {
        mFile.cancelWriting();
        throw model::IoError::fromErrno(err ? err : ENOSPC);
    }

    QSaveFile mFile;
    bool mCommitted = false;
};

// Refuses targets the save must not replace, before anything is written. The write bits are
// tested rather than access(): root may write anything, yet a read-only file stays read-only.
void checkTarget(const QString &fileName)
{
    if (fileName.isEmpty())
        throw model::IoError(model::IoError::InvalidFilename);
    const QFileInfo info(fileName);
    if (!info.dir().exists())
        throw model::IoError(model::IoError::InvalidFilename);
    if (!info.exists())
        return;
    if (info.isDir())
        throw model::IoError(model::IoError::AccessDenied);
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (!(info.permissions() & writeBits) || !info.isWritable())
        throw model::IoError(model::IoError::AccessDenied);
}

// A folder opens for reading on some systems and fails only at the first read.
void refuseFolder(const QString &fileName)
{
    if (QFileInfo(fileName).isDir())
        throw model::IoError(model::IoError::AccessDenied);
}

} // namespace

void namingFile(const QString &fileName, const std::function<void()> &operation)
{
    try {
        operation();
    } catch (const model::IoError &e) {
        const QString path = QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath());
        throw model::IoError(e.code(), std::string(e.what()) + '\n' + path.toStdString());
    }
}

bool ReadGlowFile(model::TDocument &doc, const QString &fileName)
{
    return model::ReadGlowFile(doc, nativePath(fileName));
}

model::TDocument readGlowFileAsOpen(const QString &fileName)
{
    model::TDocument read;
    bool ours = false;
    namingFile(fileName, [&] {
        refuseFolder(fileName);
        ours = ReadGlowFile(read, fileName);
    });
    if (!ours)
        throw std::runtime_error(QStringLiteral("%1 is not a glowshow file: it does not start with the word 257.")
                                     .arg(QDir::toNativeSeparators(fileName))
                                     .toStdString());
    return read;
}

QByteArray readWholeFile(const QString &fileName)
{
    refuseFolder(fileName);
    const std::vector<std::uint8_t> bytes = model::readFileBytes(nativePath(fileName));
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

void WriteGlowFile(model::TDocument &doc, const QString &fileName)
{
    WriteGlowFile(doc, fileName, SinkWrapper());
}

void WriteGlowFile(model::TDocument &doc, const QString &fileName, const SinkWrapper &wrap)
{
    checkTarget(fileName);
    std::unique_ptr<model::ByteSink> sink = std::make_unique<SaveFileSink>(fileName);
    if (wrap)
        sink = wrap(std::move(sink));
    model::WriteGlowFile(doc, *sink);
}

int writeGlowFileForCommand(model::TDocument &doc, const QString &fileName, std::ostream &err)
{
    try {
        WriteGlowFile(doc, fileName);
    } catch (const model::IoError &e) {
        err << fileName.toStdString() << ": " << e.what() << '\n';
        return 1;
    }
    return 0;
}

void writeFileSafely(const QString &fileName, const QByteArray &bytes)
{
    checkTarget(fileName);
    SaveFileSink sink(fileName);
    sink.write(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    sink.commit();
}

QString shownDocumentName(const std::string &fileName, const QString &untitled)
{
    return fileName.empty() ? untitled : QFileInfo(QString::fromStdString(fileName)).fileName();
}

} // namespace editor
