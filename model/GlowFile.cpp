#include "GlowFile.h"

#include "NativePath.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#endif

namespace model {

namespace {

// Bounds-checked cursor over a file image; running past the end is the run-time's
// "Read beyond end of file".
class Reader {
public:
    Reader(const std::uint8_t *data, std::size_t size) : mData(data), mSize(size) {}

    std::uint8_t byte()
    {
        if (mPos >= mSize)
            throw IoError(IoError::ReadBeyondEnd);
        return mData[mPos++];
    }
    std::uint16_t word()
    {
        const std::uint8_t high = byte();
        return std::uint16_t(high * 256 + byte());
    }
    // The next n bytes, checked once: the frames are read a block at a time.
    const std::uint8_t *take(std::size_t n)
    {
        if (n > mSize - mPos)
            throw IoError(IoError::ReadBeyondEnd);
        const std::uint8_t *at = mData + mPos;
        mPos += n;
        return at;
    }
    void skip(std::size_t n) { take(n); }
    bool atEnd() const { return mPos >= mSize; }

private:
    const std::uint8_t *mData;
    std::size_t mSize;
    std::size_t mPos = 0;
};

class Writer {
public:
    explicit Writer(std::vector<std::uint8_t> &out) : mOut(out) {}
    void byte(std::uint8_t b) { mOut.push_back(b); }
    void word(std::uint16_t w)
    {
        byte(HighByte(w));
        byte(LowByte(w));
    }
    // Room for the next n bytes, to be filled by the caller: a frame is written as one block.
    std::uint8_t *block(std::size_t n)
    {
        const std::size_t at = mOut.size();
        mOut.resize(at + n);
        return mOut.data() + at;
    }
    std::size_t written() const { return mOut.size(); }

private:
    std::vector<std::uint8_t> &mOut;
};

// Trailer characters are stored as their code minus 16, modulo 256.
std::string readTrailerText(Reader &in)
{
    const std::uint8_t length = in.byte();
    std::string text;
    text.reserve(length);
    for (int i = 0; i < length; ++i)
        text.push_back(char(std::uint8_t(in.byte() + 16)));
    return text;
}

void writeTrailerText(Writer &out, const std::string &text)
{
    // One length byte: a longer text is cut to 255 characters rather than written with a
    // length that lies about it.
    const std::size_t length = std::min<std::size_t>(text.size(), 255);
    out.byte(std::uint8_t(length));
    for (std::size_t i = 0; i < length; ++i)
        out.byte(std::uint8_t(std::uint8_t(text[i]) - 16));
}

void readRhythmBody(Reader &in, TGlowshow &g)
{
    g.Repeating = 0;
    g.Channels.resize(g.FrameCount);
    for (std::size_t i = 0; i < g.Channels.size(); ++i)
        g.Channels[i].Element = std::uint8_t(i + 1);
    std::uint8_t maxSteps = 0;
    for (TClubFrame &c : g.Channels) {
        c.Element = in.byte();
        c.StepCount = in.byte();
        maxSteps = std::max(maxSteps, c.StepCount);
        c.UpperFrequency = in.word();
        c.LowerFrequency = in.word();
        c.Steps.resize(c.StepCount);
        for (TClubStep &s : c.Steps) {
            s.Red = in.byte();
            const std::uint8_t gb = in.byte();
            s.Green = HighNibble(gb);
            s.Blue = LowNibble(gb);
            s.Parameter = in.byte();
        }
    }
    g.StepCount = maxSteps;
    for (TClubFrame &c : g.Channels)
        c.Steps.resize(maxSteps);
}

void readNormalBody(Reader &in, TGlowshow &g)
{
    std::uint16_t counted = 0; // a 16-bit count, compared as the device's readers do
    g.Frames.resize(g.FrameCount);
    for (TFrame &f : g.Frames) {
        const std::uint8_t *head = in.take(3);
        f.Duration = std::uint16_t(head[0] * 256 + head[1]);
        f.EntryCount = head[2];
        const std::uint8_t *p = in.take(3 * std::size_t(f.EntryCount));
        counted = std::uint16_t(counted + 3 + 3 * f.EntryCount);
        f.Entries.resize(f.EntryCount);
        for (TFrameEntry &e : f.Entries) {
            e.Element = p[0];
            e.Red = p[1];
            e.Green = HighNibble(p[2]);
            e.Blue = LowNibble(p[2]);
            p += 3;
        }
    }
    // A body of nearly 64 KiB wraps the 16-bit size past the frame bytes: the size the
    // writer stores for a repeat tail is then smaller than the count. Read it as a tail too,
    // or such a file could not be read back at all.
    const bool wrappedTail = std::uint16_t(counted + 3) == g.StoredSize && counted > 0xFFFF - 3;
    if (g.StoredSize > counted || wrappedTail) {
        g.RepeatDuration = in.word();
        in.byte(); // reserved
    } else {
        g.Repeating = 0;
    }
}

// About the size of the file image, so it is allocated once; a wrong guess costs only speed.
std::size_t imageSizeHint(const TDocument &doc)
{
    std::size_t size = 5 + 2 * 256;
    for (const TGlowshow &g : doc.Glowshows) {
        size += 7 + 3;
        for (const TFrame &f : g.Frames)
            size += 3 + 3 * std::size_t(f.EntryCount);
        for (const TClubFrame &c : g.Channels)
            size += 6 + 3 * std::size_t(c.StepCount);
    }
    return size;
}

#ifdef _WIN32
struct HandleCloser {
    void operator()(HANDLE h) const { CloseHandle(h); }
};
#else
struct FileCloser {
    void operator()(std::FILE *f) const { std::fclose(f); }
};
#endif

// Reads until `readSome` (which fills at most `room` bytes and returns the count, 0 at the end)
// runs dry, into a buffer sized once from the file's length. The length is only a hint: a
// folder opens too and seeks to a huge "end", and a file may grow meanwhile, so the buffer
// still grows while reads fill it.
template <class ReadSome> std::vector<std::uint8_t> readAll(long long expected, ReadSome readSome)
{
    constexpr long long MostTrusted = 1LL << 30;
    // One byte more than the length, so the read that fills the file also sees its end.
    std::vector<std::uint8_t> bytes(expected > 0 && expected < MostTrusted ? std::size_t(expected) + 1 : 65536);
    std::size_t filled = 0;
    for (;;) {
        const std::size_t got = readSome(bytes.data() + filled, bytes.size() - filled);
        filled += got;
        if (got == 0 || filled < bytes.size())
            break;
        bytes.resize(bytes.size() * 2);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace

bool DecodeGlowFile(TDocument &doc, const std::uint8_t *data, std::size_t size)
{
    Reader in(data, size);
    if (in.word() != GlowFileMagic)
        return false;
    const std::uint16_t headerWord = in.word();
    const std::uint8_t count = in.byte();

    // Everything is read into locals and taken over only once the whole file has been read.
    std::vector<TGlowshow> glowshows(count);
    for (TGlowshow &g : glowshows) {
        g.Repeating = 1;
        g.StoredSize = in.word();
        g.FrameCount = in.byte();
        in.skip(2);
        g.Id = in.byte();
        g.Kind = in.byte();
        if (g.Kind == KindRhythm)
            readRhythmBody(in, g);
        else if (g.Kind == KindNormal)
            readNormalBody(in, g);
    }
    std::uint8_t hasTrailer = 0;
    std::string text1, text2;
    if (!in.atEnd()) {
        hasTrailer = 1;
        text1 = readTrailerText(in);
        text2 = readTrailerText(in);
    }

    doc.GlowFile.HeaderWord = headerWord;
    doc.GlowFile.GlowshowCount = count;
    doc.ClearDocument();
    doc.Glowshows = std::move(glowshows);
    doc.HasTrailer = hasTrailer;
    doc.TrailerText1 = std::move(text1);
    doc.TrailerText2 = std::move(text2);
    return true;
}

std::vector<std::uint8_t> EncodeGlowFile(TDocument &doc)
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(imageSizeHint(doc));
    Writer out(bytes);
    const std::uint8_t count = std::uint8_t(std::min<std::size_t>(doc.Glowshows.size(), MaxCount));
    doc.GlowFile.GlowshowCount = count;
    out.word(GlowFileMagic);
    out.word(0);
    out.byte(count);
    for (std::uint8_t i = 0; i < count; ++i) {
        doc.ComputeStoredSize(i);
        const TGlowshow &g = doc.Glowshows[i];
        out.word(g.StoredSize);
        out.byte(g.FrameCount);
        out.word(0);
        out.byte(g.Id);
        out.byte(g.Kind);
        if (g.Kind == KindRhythm) {
            for (std::size_t c = 0; c < g.FrameCount; ++c) {
                // Arrays shorter than their counts are written as zeros, so the file always
                // agrees with the counts it states.
                const TClubFrame empty;
                const TClubFrame &ch = c < g.Channels.size() ? g.Channels[c] : empty;
                out.byte(ch.Element);
                out.byte(ch.StepCount);
                out.word(ch.UpperFrequency);
                out.word(ch.LowerFrequency);
                for (std::size_t s = 0; s < ch.StepCount; ++s) {
                    const TClubStep step = s < ch.Steps.size() ? ch.Steps[s] : TClubStep{};
                    out.byte(step.Red);
                    out.byte(std::uint8_t(step.Green * 16 + step.Blue));
                    out.byte(step.Parameter);
                }
            }
        } else if (g.Kind == KindNormal) {
            for (std::size_t f = 0; f < g.FrameCount; ++f) {
                const TFrame empty;
                const TFrame &fr = f < g.Frames.size() ? g.Frames[f] : empty;
                std::uint8_t *p = out.block(3 + 3 * std::size_t(fr.EntryCount));
                *p++ = HighByte(fr.Duration);
                *p++ = LowByte(fr.Duration);
                *p++ = fr.EntryCount;
                for (std::size_t e = 0; e < fr.EntryCount; ++e) {
                    const TFrameEntry entry = e < fr.Entries.size() ? fr.Entries[e] : TFrameEntry{};
                    *p++ = entry.Element;
                    *p++ = entry.Red;
                    *p++ = std::uint8_t(entry.Green * 16 + entry.Blue);
                }
            }
            if (g.Repeating == 1) {
                out.word(g.RepeatDuration);
                out.byte(0);
            }
        }
    }
    doc.GlowFile.HeaderWord = std::uint16_t(out.written() - count - 5);
    if (doc.HasTrailer == 1) {
        writeTrailerText(out, doc.TrailerText1);
        writeTrailerText(out, doc.TrailerText2);
    }
    bytes[2] = HighByte(doc.GlowFile.HeaderWord);
    bytes[3] = LowByte(doc.GlowFile.HeaderWord);
    return bytes;
}

#ifdef _WIN32

std::vector<std::uint8_t> readFileBytes(const std::string &path)
{
    // CreateFile says "path not found" for an empty name; the run-time reports a missing file.
    if (path.empty())
        throw IoError(IoError::FileNotFound);
    // Others may keep the file open for writing meanwhile, as the C run-time's open allows.
    const HANDLE handle = CreateFileW(nativePath(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        // No Windows file system holds a name longer than 255 characters, yet the system
        // (and Wine) may call one missing.
        if (error == ERROR_FILE_NOT_FOUND) {
            for (const auto &part : nativePath(path)) {
                if (part.native().size() > 255)
                    throw IoError(IoError::InvalidFilename);
            }
        }
        throw IoError::fromWindowsError(error);
    }
    const std::unique_ptr<void, HandleCloser> closer(handle);
    LARGE_INTEGER length{};
    const long long expected = GetFileSizeEx(handle, &length) ? length.QuadPart : 0;
    return readAll(expected, [&](std::uint8_t *into, std::size_t room) {
        DWORD got = 0;
        if (!ReadFile(handle, into, DWORD(std::min<std::size_t>(room, MAXDWORD)), &got, nullptr))
            throw IoError::fromWindowsError(GetLastError());
        return std::size_t(got);
    });
}

#else

std::vector<std::uint8_t> readFileBytes(const std::string &path)
{
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        const int err = errno;
        // The OS says "no such file" for a missing folder too; the run-time calls that
        // an invalid file name.
        if (err == ENOENT) {
            const auto parent = std::filesystem::path(path).parent_path();
            std::error_code ec;
            if (!parent.empty() && !std::filesystem::is_directory(parent, ec))
                throw IoError(IoError::InvalidFilename);
        }
        throw IoError::fromErrno(err ? err : EIO);
    }
    long expected = 0;
    if (std::fseek(file.get(), 0, SEEK_END) == 0) {
        expected = std::ftell(file.get());
        std::rewind(file.get());
    }
    return readAll(expected, [&](std::uint8_t *into, std::size_t room) {
        const std::size_t got = std::fread(into, 1, room, file.get());
        if (got < room && std::ferror(file.get()))
            throw IoError::fromErrno(errno ? errno : EIO);
        return got;
    });
}

#endif

bool ReadGlowFile(TDocument &doc, const std::string &path)
{
    const std::vector<std::uint8_t> bytes = readFileBytes(path);
    return DecodeGlowFile(doc, bytes.data(), bytes.size());
}

void WriteGlowFile(TDocument &doc, ByteSink &sink)
{
    const std::vector<std::uint8_t> bytes = EncodeGlowFile(doc);
    sink.write(bytes.data(), bytes.size());
    sink.commit();
}

} // namespace model
