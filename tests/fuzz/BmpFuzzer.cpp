// The Windows bitmap reader on arbitrary file contents: a picture no larger than Qt's image
// allocation limit, or InvalidBitmapError.
#include "FuzzFolder.h"

#include "model/IoError.h"
#include "preview/BitmapPictureSink.h"

#include <QImageReader>
#include <QtGlobal>

#include <cstdint>
#include <string_view>

namespace {

[[noreturn]] void finding(const char *what)
{
    fuzzing::finding("bmp", what);
}

// Qt warns of every damaged header it meets; thousands of those a second bury a finding.
void quiet(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Qt measures its limit as if every picture had 32 bits a pixel.
bool withinAllocationLimit(const QImage &image)
{
    const std::int64_t limit = std::int64_t(QImageReader::allocationLimit()) * 1024 * 1024;
    return limit <= 0 || std::int64_t(image.width()) * image.height() * 4 <= limit;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const fuzzing::ProgramFolder folder("bmp");
    static const QString path = QString::fromStdString(folder.dir() + "picture.bmp");
    static const QtMessageHandler previous = qInstallMessageHandler(quiet);
    (void)previous;
    folder.write("picture.bmp", std::string_view(reinterpret_cast<const char *>(data), size));

    QImage image;
    try {
        image = preview::loadWindowsBitmap(path);
    } catch (const profiles::InvalidBitmapError &) {
        return 0;
    } catch (const model::FileOpenError &) {
        finding("a file that is there could not be opened");
    }
    if (image.isNull())
        finding("a null picture instead of InvalidBitmapError");
    if (!withinAllocationLimit(image))
        finding("a picture larger than the allocation limit");
    return 0;
}
