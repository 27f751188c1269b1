#include "EffectCommandLine.h"

#include "ExportCommandLine.h"
#include "GlowFileIO.h"
#include "effects/ApplyEffect.h"
#include "effects/EffectText.h"
#include "model/IoError.h"

#include <QRegularExpression>

namespace editor {

namespace {

// The keys of the range; every other key is the effect's.
struct RangeKeys {
    int first = 1, last = 0; // last 0: to the last frame
    std::vector<std::uint8_t> elements;
    int duration = -1; // -1: the last frame's
};

std::string rangeKey(RangeKeys &range, const QString &key, const QString &value)
{
    const QString quoted = QLatin1Char('"') + value + QLatin1Char('"');
    if (key == QLatin1String("frames")) {
        static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})(?:-(\\d{1,3}))?$"));
        const QRegularExpressionMatch m = pattern.match(value);
        range.first = m.hasMatch() ? m.captured(1).toInt() : 0;
        range.last = m.hasMatch() ? (m.hasCaptured(2) ? m.captured(2) : m.captured(1)).toInt() : 0;
        if (range.first < 1 || range.last > model::MaxCount || range.first > range.last)
            return ("frames: " + quoted + " is not a range A-B of frames from 1 to 255").toStdString();
    } else if (key == QLatin1String("elements")) {
        range.elements.clear();
        for (const QString &item : value.split(QLatin1Char(','))) {
            bool ok = false;
            const int e = item.toInt(&ok);
            if (!ok || e < 1 || e > 6)
                return ("elements: " + quoted + " is not a list of elements from 1 to 6, such as 1,3,2").toStdString();
            range.elements.push_back(std::uint8_t(e));
        }
    } else {
        bool ok = false;
        range.duration = value.toInt(&ok);
        if (!ok || range.duration < 0 || range.duration > 65535)
            return ("duration: " + quoted + " is not a whole number of milliseconds from 0 to 65535").toStdString();
    }
    return {};
}

std::string effectList()
{
    std::string list;
    for (int i = 0; i < effects::EffectCount; ++i)
        list += (i ? ", " : "") + std::string(effects::effectName(effects::Effect(i)));
    return list;
}

} // namespace

int effectCommand(model::TDocument &doc, const EffectArguments &a, std::ostream &err)
{
    effects::EffectParameters parameters;
    const std::optional<effects::Effect> effect = effects::effectNamed(a.name.toStdString());
    if (!effect) {
        err << "unknown effect \"" << a.name.toStdString() << "\"; the effects are " << effectList() << '\n';
        return 1;
    }
    parameters.effect = *effect;
    RangeKeys range;
    std::vector<std::string> items;
    for (const QString &item : a.items) {
        const qsizetype equals = item.indexOf(QLatin1Char('='));
        const QString key = item.left(equals);
        std::string problem;
        if (equals > 0 &&
            (key == QLatin1String("frames") || key == QLatin1String("elements") || key == QLatin1String("duration")))
            problem = rangeKey(range, key, item.mid(equals + 1));
        else
            problem = effects::setParameters(parameters, {item.toStdString()});
        if (!problem.empty()) {
            err << problem << '\n';
            return 1;
        }
    }

    const int index = glowshowArgument(doc, a.glowshow);
    const model::TGlowshow *g = doc.glowshow(index);
    if (!g || (g->Kind != model::KindNormal && g->Kind != model::KindRhythm)) {
        err << a.in.toStdString() << ": no glowshow " << a.glowshow.toStdString()
            << " with frames or steps (numbered from 0, or give id:0A)\n";
        return 1;
    }
    const int count = model::columnCount(*g);
    if (range.last == 0 && count == 0) {
        err << a.in.toStdString() << ": glowshow " << a.glowshow.toStdString() << " has no frames; give frames=A-B\n";
        return 1;
    }

    CommandProfile chosen;
    try {
        if (!commandProfile(a.programDir, a.profile, chosen, err))
            return 1;
    } catch (const std::exception &e) {
        err << e.what() << '\n';
        return 1;
    }
    effects::EffectTarget target;
    target.glowshow = index;
    target.firstColumn = range.first - 1;
    target.columns = (range.last == 0 ? count : range.last) - range.first + 1;
    const bool hasFrames = g->Kind == model::KindNormal && !g->Frames.empty();
    target.newDuration = std::uint16_t(range.duration >= 0 ? range.duration
                                       : hasFrames         ? g->Frames.back().Duration
                                                           : 100);
    target.elements = range.elements;
    for (int n = 1; n <= 6; ++n) {
        if (range.elements.empty() && chosen.shown(n))
            target.elements.push_back(std::uint8_t(n));
        target.onOff[std::size_t(n - 1)] = chosen.profile.ElementColors[n] >= 0;
    }
    if (target.elements.empty()) {
        err << "the profile shows no element; give elements=LIST\n";
        return 1;
    }
    // No edit means the effect changes nothing; OUT is still written, as a copy.
    if (std::optional<model::SpliceColumns> edit = effects::effectEdit(doc, target, parameters))
        edit->apply(doc);
    return writeGlowFileForCommand(doc, a.out, err);
}

} // namespace editor
