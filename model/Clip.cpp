#include "Clip.h"

#include "FrameOperations.h"

#include <array>

namespace model {

namespace {

constexpr std::array<std::uint8_t, 4> ClipMagic = {'G', 'S', 'C', 'L'};
constexpr std::uint8_t ClipVersion = 1;
enum : std::uint8_t { WholeColumnsFlag = 1, DurationsFlag = 2 };
constexpr std::size_t CellBytes = 5;
constexpr const char *HexDigits = "0123456789ABCDEF";

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<CellValue> parseCell(std::string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return CellValue{};
    const std::optional<Colour> colour = parseColourText(text);
    if (!colour)
        return std::nullopt;
    return CellValue{true, *colour, 0};
}

} // namespace

std::vector<std::string_view> splitText(std::string_view text, char separator)
{
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

std::optional<Colour> parseColourText(std::string_view text)
{
    if (text.size() != 4 || text[0] != '#')
        return std::nullopt;
    const int r = hexValue(text[1]), g = hexValue(text[2]), b = hexValue(text[3]);
    if (r < 0 || g < 0 || b < 0)
        return std::nullopt;
    return Colour{std::uint8_t(r), std::uint8_t(g), std::uint8_t(b)};
}

std::string colourText(const Colour &c)
{
    return {'#', HexDigits[c.Red & 15], HexDigits[c.Green & 15], HexDigits[c.Blue & 15]};
}

Clip copyClip(const TGlowshow &g, const FrameRange &range)
{
    Clip clip;
    clip.rows = range.rows();
    clip.columns = range.columns();
    clip.wholeColumns = range.wholeColumns();
    clip.cells.resize(std::size_t(clip.rows * clip.columns));
    for (int r = 0; r < clip.rows; ++r) {
        const auto element = std::uint8_t(range.firstElement + r);
        for (int k = 0; k < clip.columns; ++k) {
            CellValue &cell = clip.at(r, k);
            const int column = range.firstColumn + k;
            cell.entry = cellColour(g, column, element, cell.colour);
            if (cell.entry && g.Kind == KindRhythm)
                for (std::size_t i = 0; i < std::min<std::size_t>(g.FrameCount, g.Channels.size()); ++i)
                    if (g.Channels[i].Element == element) {
                        cell.parameter = g.Channels[i].Steps[std::size_t(column)].Parameter;
                        break;
                    }
        }
    }
    if (clip.wholeColumns && g.Kind == KindNormal)
        for (int k = 0; k < clip.columns; ++k) {
            const auto column = std::size_t(range.firstColumn + k);
            clip.durations.push_back(column < g.Frames.size() ? g.Frames[column].Duration : 0);
        }
    return clip;
}

std::vector<std::uint8_t> encodeClip(const Clip &clip)
{
    std::vector<std::uint8_t> out(ClipMagic.begin(), ClipMagic.end());
    out.push_back(ClipVersion);
    out.push_back(std::uint8_t(clip.rows));
    out.push_back(std::uint8_t(clip.columns));
    out.push_back(
        std::uint8_t((clip.wholeColumns ? WholeColumnsFlag : 0) | (clip.durations.empty() ? 0 : DurationsFlag)));
    for (std::uint16_t d : clip.durations) {
        out.push_back(HighByte(d));
        out.push_back(LowByte(d));
    }
    for (const CellValue &c : clip.cells)
        out.insert(out.end(), {std::uint8_t(c.entry), c.colour.Red, c.colour.Green, c.colour.Blue, c.parameter});
    return out;
}

std::optional<Clip> decodeClip(const std::uint8_t *data, std::size_t size)
{
    constexpr std::size_t Header = ClipMagic.size() + 4;
    if (!data || size < Header || !std::equal(ClipMagic.begin(), ClipMagic.end(), data) || data[4] != ClipVersion)
        return std::nullopt;
    Clip clip;
    clip.rows = data[5];
    clip.columns = data[6];
    const std::uint8_t flags = data[7];
    clip.wholeColumns = flags & WholeColumnsFlag;
    const bool durations = flags & DurationsFlag;
    if (clip.rows < 1 || clip.rows > MaxClipRows || clip.columns < 1 || (flags & ~(WholeColumnsFlag | DurationsFlag)) ||
        (clip.wholeColumns && clip.rows != MaxClipRows) || (durations && !clip.wholeColumns))
        return std::nullopt;
    const std::size_t cellCount = std::size_t(clip.rows * clip.columns);
    const std::size_t durationBytes = durations ? 2 * std::size_t(clip.columns) : 0;
    if (size != Header + durationBytes + cellCount * CellBytes)
        return std::nullopt;
    const std::uint8_t *p = data + Header;
    for (int k = 0; durations && k < clip.columns; ++k, p += 2)
        clip.durations.push_back(std::uint16_t(p[0] << 8 | p[1]));
    for (std::size_t i = 0; i < cellCount; ++i, p += CellBytes) {
        if (p[0] > 1 || p[1] > 15 || p[2] > 15 || p[3] > 15)
            return std::nullopt;
        clip.cells.push_back({p[0] == 1, {p[1], p[2], p[3]}, p[4]});
    }
    return clip;
}

std::string clipText(const Clip &clip)
{
    std::string text;
    for (int r = 0; r < clip.rows; ++r) {
        for (int k = 0; k < clip.columns; ++k) {
            if (k > 0)
                text += '\t';
            const CellValue &c = clip.at(r, k);
            if (c.entry)
                text += colourText(c.colour);
        }
        text += '\n';
    }
    return text;
}

std::optional<Clip> parseClipText(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    if (text.back() == '\n')
        text.remove_suffix(1);
    std::vector<std::vector<CellValue>> rows;
    std::size_t columns = 0;
    for (std::string_view line : splitText(text, '\n')) {
        std::vector<CellValue> &row = rows.emplace_back();
        for (std::string_view cell : splitText(line, '\t')) {
            const std::optional<CellValue> value = parseCell(cell);
            if (!value)
                return std::nullopt;
            row.push_back(*value);
        }
        columns = std::max(columns, row.size());
    }
    if (rows.size() > std::size_t(MaxClipRows) || columns > std::size_t(MaxCount))
        return std::nullopt;
    Clip clip;
    clip.rows = int(rows.size());
    clip.columns = int(columns);
    for (std::vector<CellValue> &row : rows) {
        row.resize(columns);
        clip.cells.insert(clip.cells.end(), row.begin(), row.end());
    }
    return clip;
}

} // namespace model
