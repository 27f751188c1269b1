#include "CheckFindings.h"

namespace editor {

namespace {

struct ProblemText {
    model::Problem problem;
    const char *name;
    const char *key;
};

constexpr ProblemText Problems[] = {
    {model::Problem::DuplicateId, "DuplicateId", "CheckDuplicateId"},
    {model::Problem::UnknownKind, "UnknownKind", "CheckUnknownKind"},
    {model::Problem::ElementOutOfRange, "ElementOutOfRange", "CheckElementOutOfRange"},
    {model::Problem::ElementNotOnModel, "ElementNotOnModel", "CheckElementNotOnModel"},
    {model::Problem::NoFrames, "NoFrames", "CheckNoFrames"},
    {model::Problem::NoChannels, "NoChannels", "CheckNoChannels"},
    {model::Problem::ZeroDuration, "ZeroDuration", "CheckZeroDuration"},
    {model::Problem::BandReversed, "BandReversed", "CheckBandReversed"},
    {model::Problem::BodyTooLarge, "BodyTooLarge", "CheckBodyTooLarge"},
};

const ProblemText &problemText(model::Problem problem)
{
    for (const ProblemText &p : Problems)
        if (p.problem == problem)
            return p;
    return Problems[0];
}

} // namespace

QString findingText(const model::Finding &f, const TextLookup &text)
{
    QString sentence = text(problemText(f.problem).key);
    switch (f.problem) {
    case model::Problem::DuplicateId:
        return sentence.arg(QString::number(f.value, 16).toUpper().rightJustified(2, QLatin1Char('0')));
    case model::Problem::NoFrames:
    case model::Problem::NoChannels:
        return sentence;
    case model::Problem::ZeroDuration:
        return sentence.arg(f.other);
    case model::Problem::UnknownKind:
    case model::Problem::BodyTooLarge:
        return sentence.arg(f.value);
    case model::Problem::ElementOutOfRange:
    case model::Problem::ElementNotOnModel:
    case model::Problem::BandReversed:
        return sentence.arg(f.value).arg(f.other);
    }
    return sentence;
}

QString findingPath(const model::Finding &f)
{
    QString path = QStringLiteral("Glowshows[%1]").arg(f.glowshow);
    if (f.frame >= 0)
        path += QStringLiteral(".Frames[%1]").arg(f.frame);
    if (f.channel >= 0)
        path += QStringLiteral(".Channels[%1]").arg(f.channel);
    return path;
}

QString findingPlace(const model::Finding &f, const TextLookup &text)
{
    if (f.frame >= 0)
        return text("CheckFrame").arg(f.frame + 1);
    if (f.channel >= 0)
        return text("CheckChannel").arg(f.channel + 1);
    return {};
}

const char *problemName(model::Problem problem)
{
    return problemText(problem).name;
}

} // namespace editor
