#include "AnimationWriters.h"

#include <webp/encode.h>
#include <webp/mux.h>

#include <memory>

namespace exporting {

namespace {

struct EncoderDelete {
    void operator()(WebPAnimEncoder *e) const { WebPAnimEncoderDelete(e); }
};

struct PictureGuard {
    WebPPicture picture;
    PictureGuard()
    {
        if (!WebPPictureInit(&picture))
            throw EncodeError("The WebP library does not match its headers");
    }
    ~PictureGuard() { WebPPictureFree(&picture); }
};

[[noreturn]] void fail(WebPAnimEncoder *encoder)
{
    const char *text = encoder ? WebPAnimEncoderGetError(encoder) : nullptr;
    throw EncodeError(text && *text ? text : "WebP encoding failed");
}

} // namespace

QByteArray encodeWebp(const Animation &animation)
{
    if (animation.frames.empty())
        throw EncodeError("The animation has no frames");
    WebPAnimEncoderOptions options;
    if (!WebPAnimEncoderOptionsInit(&options))
        throw EncodeError("The WebP library does not match its headers");
    // WebP counts plays: 0 for ever, 1 once.
    options.anim_params.loop_count = animation.loop ? 0 : 1;
    options.allow_mixed = 0;
    std::unique_ptr<WebPAnimEncoder, EncoderDelete> encoder(
        WebPAnimEncoderNew(animation.size.width(), animation.size.height(), &options));
    if (!encoder)
        fail(nullptr);

    WebPConfig config;
    if (!WebPConfigInit(&config))
        throw EncodeError("The WebP library does not match its headers");
    config.lossless = 1;
    config.quality = 100; // in lossless mode: effort, not loss
    config.method = 4;
    config.exact = 1;

    QImage canvas(animation.size, QImage::Format_RGB32);
    int timestamp = 0;
    for (const AnimationFrame &frame : animation.frames) {
        paintFrame(canvas, frame);
        PictureGuard p;
        p.picture.use_argb = 1;
        p.picture.width = canvas.width();
        p.picture.height = canvas.height();
        if (!WebPPictureAlloc(&p.picture))
            fail(nullptr);
        // RGB32 pixels are 0xFFRRGGBB words, as WebP's ARGB ones.
        for (int y = 0; y < canvas.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(canvas.constScanLine(y));
            std::copy(line, line + canvas.width(),
                      p.picture.argb + std::size_t(y) * std::size_t(p.picture.argb_stride));
        }
        if (!WebPAnimEncoderAdd(encoder.get(), &p.picture, timestamp, &config))
            fail(encoder.get());
        timestamp += frame.milliseconds;
    }
    if (!WebPAnimEncoderAdd(encoder.get(), nullptr, timestamp, nullptr))
        fail(encoder.get());
    WebPData data;
    WebPDataInit(&data);
    if (!WebPAnimEncoderAssemble(encoder.get(), &data))
        fail(encoder.get());
    QByteArray out(reinterpret_cast<const char *>(data.bytes), qsizetype(data.size));
    WebPDataClear(&data);
    return out;
}

} // namespace exporting
