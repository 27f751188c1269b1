#include "Clipboard.h"

#include <QMimeData>

namespace editor {

QMimeData *clipMimeData(const model::Clip &clip)
{
    auto *data = new QMimeData;
    const std::vector<std::uint8_t> bytes = model::encodeClip(clip);
    data->setData(QString::fromLatin1(ClipMimeType),
                  QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    data->setText(QString::fromStdString(model::clipText(clip)));
    return data;
}

std::optional<model::Clip> clipFromMimeData(const QMimeData *data)
{
    if (!data)
        return std::nullopt;
    if (data->hasFormat(QString::fromLatin1(ClipMimeType))) {
        const QByteArray bytes = data->data(QString::fromLatin1(ClipMimeType));
        if (auto clip =
                model::decodeClip(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())))
            return clip;
    }
    if (data->hasText())
        return model::parseClipText(data->text().toStdString());
    return std::nullopt;
}

bool mayHoldClip(const QMimeData *data)
{
    return data && (data->hasFormat(QString::fromLatin1(ClipMimeType)) || data->hasText());
}

} // namespace editor
