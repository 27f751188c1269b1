#pragma once

#include "model/Document.h"

#include <QImage>
#include <QImageReader>

#include <vector>

namespace testing_support {

inline model::TFrame frame(std::uint16_t duration, std::vector<model::TFrameEntry> entries)
{
    model::TFrame f;
    f.Duration = duration;
    f.EntryCount = std::uint8_t(entries.size());
    f.Entries.assign(entries.begin(), entries.end());
    return f;
}

// An animation as a reader we did not write sees it.
struct DecodedAnimation {
    std::vector<QImage> frames; // RGB32
    std::vector<int> delays;    // milliseconds
    int loopCount = 0;          // Qt's count: -1 for ever, 0 once
};

inline DecodedAnimation decodeAnimation(QImageReader &reader)
{
    DecodedAnimation d;
    d.loopCount = reader.loopCount();
    QImage image;
    while (reader.read(&image)) {
        d.frames.push_back(image.convertToFormat(QImage::Format_RGB32));
        d.delays.push_back(reader.nextImageDelay());
    }
    return d;
}

} // namespace testing_support
