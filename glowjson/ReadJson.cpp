#include "GlowJson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <optional>

namespace glowjson {

namespace {

[[noreturn]] void fail(const QString &path, const QString &what)
{
    throw JsonError((path.isEmpty() ? what : path + QStringLiteral(": ") + what).toStdString());
}

QString item(const QString &path, qsizetype index)
{
    return path + QLatin1Char('[') + QString::number(index) + QLatin1Char(']');
}

// One JSON object at `path`. Every key must be read: a misspelt field would otherwise be
// dropped in silence and its value defaulted.
class Fields {
public:
    Fields(const QJsonValue &value, QString path) : mPath(std::move(path))
    {
        if (!value.isObject())
            fail(mPath, QStringLiteral("must be an object"));
        mObject = value.toObject();
    }

    QString path(const QString &key) const { return mPath.isEmpty() ? key : mPath + QLatin1Char('.') + key; }
    QString path(const char *key) const { return path(QString::fromLatin1(key)); }
    bool has(const char *key) const { return mObject.contains(QLatin1String(key)); }

    // A whole number in [0, max]; `fallback` when the key is missing, which is an error
    // without one.
    unsigned number(const char *key, unsigned max, std::optional<unsigned> fallback = std::nullopt)
    {
        const QJsonValue v = take(key);
        if (v.isUndefined()) {
            if (!fallback)
                fail(path(key), QStringLiteral("missing"));
            return *fallback;
        }
        const double d = v.toDouble(-1);
        if (!v.isDouble() || d != std::floor(d) || d < 0 || d > max)
            fail(path(key), QStringLiteral("must be a whole number from 0 to %1").arg(max));
        return unsigned(d);
    }

    QJsonArray array(const char *key)
    {
        const QJsonValue v = take(key);
        if (v.isUndefined())
            return {};
        if (!v.isArray())
            fail(path(key), QStringLiteral("must be a list"));
        const QJsonArray a = v.toArray();
        if (a.size() > model::MaxCount)
            fail(path(key), QStringLiteral("holds %1 items; at most %2 fit").arg(a.size()).arg(model::MaxCount));
        return a;
    }

    // A trailer text: characters U+0000 to U+00FF stand for the bytes of the same value.
    std::string bytes(const char *key)
    {
        const QJsonValue v = take(key);
        if (v.isUndefined())
            return {};
        if (!v.isString())
            fail(path(key), QStringLiteral("must be a string"));
        const QString text = v.toString();
        if (text.size() > 255)
            fail(path(key), QStringLiteral("holds %1 characters; at most 255 fit").arg(text.size()));
        std::string out;
        for (const QChar c : text) {
            if (c.unicode() > 0xFF)
                fail(path(key), QStringLiteral("holds the character U+%1; only U+0000 to U+00FF are bytes")
                                    .arg(c.unicode(), 4, 16, QLatin1Char('0')));
            out.push_back(char(c.unicode()));
        }
        return out;
    }

    void finish() const
    {
        for (auto it = mObject.begin(); it != mObject.end(); ++it)
            if (!mUsed.contains(it.key()))
                fail(path(it.key()), QStringLiteral("unknown field"));
    }

private:
    QJsonValue take(const char *key)
    {
        const QString name = QString::fromLatin1(key);
        mUsed.insert(name);
        return mObject.value(name);
    }

    QString mPath;
    QJsonObject mObject;
    QSet<QString> mUsed;
};

// A count that may be left out; when given it must agree with the list it counts.
std::uint8_t count(Fields &f, const char *key, qsizetype items, const QString &what)
{
    const unsigned n = f.number(key, model::MaxCount, unsigned(items));
    if (n != unsigned(items))
        fail(f.path(key), QStringLiteral("is %1, but %2 %3 given").arg(n).arg(items).arg(what));
    return std::uint8_t(n);
}

model::TFrameEntry readEntry(const QJsonValue &value, const QString &path)
{
    Fields f(value, path);
    model::TFrameEntry e;
    e.Element = std::uint8_t(f.number("Element", 255));
    // Red is a whole byte in the file, green and blue share one.
    e.Red = std::uint8_t(f.number("Red", 255));
    e.Green = std::uint8_t(f.number("Green", 15));
    e.Blue = std::uint8_t(f.number("Blue", 15));
    f.finish();
    return e;
}

model::TFrame readFrame(const QJsonValue &value, const QString &path)
{
    Fields f(value, path);
    model::TFrame frame;
    frame.Duration = std::uint16_t(f.number("Duration", 65535));
    const QJsonArray entries = f.array("Entries");
    frame.EntryCount = count(f, "EntryCount", entries.size(), QStringLiteral("Entries are"));
    for (qsizetype i = 0; i < entries.size(); ++i)
        frame.Entries.push_back(readEntry(entries[i], item(f.path("Entries"), i)));
    f.finish();
    return frame;
}

model::TClubStep readStep(const QJsonValue &value, const QString &path)
{
    Fields f(value, path);
    model::TClubStep s;
    s.Red = std::uint8_t(f.number("Red", 255));
    s.Green = std::uint8_t(f.number("Green", 15));
    s.Blue = std::uint8_t(f.number("Blue", 15));
    s.Parameter = std::uint8_t(f.number("Parameter", 255));
    f.finish();
    return s;
}

model::TClubFrame readChannel(const QJsonValue &value, const QString &path)
{
    Fields f(value, path);
    model::TClubFrame c;
    c.Element = std::uint8_t(f.number("Element", 255));
    c.UpperFrequency = std::uint16_t(f.number("UpperFrequency", 65535));
    c.LowerFrequency = std::uint16_t(f.number("LowerFrequency", 65535));
    const QJsonArray steps = f.array("Steps");
    c.StepCount = std::uint8_t(f.number("StepCount", 255, unsigned(steps.size())));
    if (c.StepCount > steps.size())
        fail(f.path("StepCount"),
             QStringLiteral("is %1, but only %2 Steps are given").arg(c.StepCount).arg(steps.size()));
    for (qsizetype i = 0; i < steps.size(); ++i) {
        const QString stepPath = item(f.path("Steps"), i);
        c.Steps.push_back(readStep(steps[i], stepPath));
        // Steps past the channel's own count are the zeros a shorter channel is filled with;
        // anything else there would be dropped by the next save.
        if (i >= c.StepCount && !(c.Steps.back() == model::TClubStep{}))
            fail(stepPath, QStringLiteral("lies past the channel's StepCount %1 and is not all zero, so it would "
                                          "not be saved")
                               .arg(c.StepCount));
    }
    f.finish();
    return c;
}

model::TGlowshow readGlowshow(const QJsonValue &value, const QString &path)
{
    Fields f(value, path);
    model::TGlowshow g;
    g.StoredSize = std::uint16_t(f.number("StoredSize", 65535, 0));
    g.Id = std::uint8_t(f.number("Id", 255));
    g.Kind = std::uint8_t(f.number("Kind", 255));
    g.Repeating = std::uint8_t(f.number("Repeating", 1, 0));
    g.RepeatDuration = std::uint16_t(f.number("RepeatDuration", 65535, 0));
    // Only a normal glowshow keeps its repeat in the file; reading one sets the flag of the
    // others this way.
    if (g.Kind != model::KindNormal)
        g.Repeating = g.Kind == model::KindRhythm ? 0 : 1;
    if (g.RepeatDuration != 0 && !(g.Kind == model::KindNormal && g.Repeating == 1))
        fail(f.path("RepeatDuration"),
             QStringLiteral("is saved only while Repeating is 1 in a normal glowshow (Kind 2)"));
    const QJsonArray frames = f.array("Frames");
    const QJsonArray channels = f.array("Channels");

    if (g.Kind != model::KindNormal && !frames.isEmpty())
        fail(f.path("Frames"), QStringLiteral("only a normal glowshow (Kind 2) has frames"));
    if (g.Kind != model::KindRhythm && !channels.isEmpty())
        fail(f.path("Channels"), QStringLiteral("only a rhythm glowshow (Kind 1) has channels"));

    if (g.Kind == model::KindNormal) {
        g.FrameCount = count(f, "FrameCount", frames.size(), QStringLiteral("Frames are"));
        for (qsizetype i = 0; i < frames.size(); ++i)
            g.Frames.push_back(readFrame(frames[i], item(f.path("Frames"), i)));
    } else if (g.Kind == model::KindRhythm) {
        g.FrameCount = count(f, "FrameCount", channels.size(), QStringLiteral("Channels are"));
        for (qsizetype i = 0; i < channels.size(); ++i)
            g.Channels.push_back(readChannel(channels[i], item(f.path("Channels"), i)));
    } else {
        // A glowshow of another kind is its header alone, FrameCount included.
        g.FrameCount = std::uint8_t(f.number("FrameCount", 255, 0));
    }

    // Reading a file gives the glowshow the largest count of its channels, and every channel
    // that many steps.
    std::uint8_t steps = 0;
    for (const model::TClubFrame &c : g.Channels)
        steps = std::max(steps, c.StepCount);
    const unsigned given = f.number("StepCount", 255, steps);
    if (given != steps)
        fail(f.path("StepCount"),
             g.Kind == model::KindRhythm
                 ? QStringLiteral("is %1, but the largest StepCount of the channels is %2").arg(given).arg(steps)
                 : QStringLiteral("only a rhythm glowshow (Kind 1) has steps"));
    g.StepCount = steps;
    for (model::TClubFrame &c : g.Channels)
        c.Steps.resize(steps);
    f.finish();
    return g;
}

QString syntaxError(const QByteArray &json, const QJsonParseError &error)
{
    const QByteArray before = json.left(error.offset);
    const qsizetype line = before.count('\n') + 1;
    const qsizetype column = before.size() - (before.lastIndexOf('\n') + 1) + 1;
    return QStringLiteral("line %1, column %2: %3").arg(line).arg(column).arg(error.errorString());
}

} // namespace

model::TDocument readJson(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument parsed = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        fail({}, syntaxError(json, error));
    if (!parsed.isObject())
        fail({}, QStringLiteral("the document must be a JSON object"));

    Fields f(parsed.object(), {});
    model::TDocument doc;
    doc.GlowFile.HeaderWord = std::uint16_t(f.number("HeaderWord", 65535, 0));
    const bool hasText = f.has("TrailerText1") || f.has("TrailerText2");
    doc.HasTrailer = std::uint8_t(f.number("HasTrailer", 1, hasText ? 1 : 0));
    doc.TrailerText1 = f.bytes("TrailerText1");
    doc.TrailerText2 = f.bytes("TrailerText2");
    if (!doc.HasTrailer && !(doc.TrailerText1.empty() && doc.TrailerText2.empty()))
        fail(f.path(doc.TrailerText1.empty() ? "TrailerText2" : "TrailerText1"),
             QStringLiteral("a text is saved only while HasTrailer is 1"));
    if (!f.has("Glowshows"))
        fail(f.path("Glowshows"), QStringLiteral("missing"));
    const QJsonArray glowshows = f.array("Glowshows");
    doc.GlowFile.GlowshowCount = count(f, "GlowshowCount", glowshows.size(), QStringLiteral("Glowshows are"));
    for (qsizetype i = 0; i < glowshows.size(); ++i)
        doc.Glowshows.push_back(readGlowshow(glowshows[i], item(QStringLiteral("Glowshows"), i)));
    f.finish();
    return doc;
}

} // namespace glowjson
