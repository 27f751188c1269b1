#include "GlowJson.h"

#include <cstdio>

namespace glowjson {

namespace {

class JsonWriter {
public:
    void raw(const char *text) { mOut += text; }
    void key(const char *name)
    {
        comma();
        string(name);
        mOut += ':';
        mNeedComma = false;
    }
    void number(const char *name, unsigned value)
    {
        key(name);
        mOut += std::to_string(value);
        mNeedComma = true;
    }
    void text(const char *name, const std::string &bytes)
    {
        key(name);
        string(bytes);
        mNeedComma = true;
    }
    void open(char bracket)
    {
        comma();
        mOut += bracket;
        mNeedComma = false;
    }
    void close(char bracket)
    {
        mOut += bracket;
        mNeedComma = true;
    }
    std::string take() { return std::move(mOut); }

private:
    void comma()
    {
        if (mNeedComma)
            mOut += ',';
    }
    // Each byte is the character of that code; everything outside printable ASCII is
    // escaped, so the output is plain ASCII whatever the trailer holds.
    void string(const std::string &bytes)
    {
        mOut += '"';
        for (const char c : bytes) {
            const unsigned char b = static_cast<unsigned char>(c);
            if (b == '"' || b == '\\') {
                mOut += '\\';
                mOut += char(b);
            } else if (b >= 0x20 && b < 0x7F) {
                mOut += char(b);
            } else {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", b);
                mOut += escape;
            }
        }
        mOut += '"';
    }

    std::string mOut;
    bool mNeedComma = false;
};

void dumpGlowshow(JsonWriter &json, const model::TGlowshow &g)
{
    json.open('{');
    json.number("StoredSize", g.StoredSize);
    json.number("FrameCount", g.FrameCount);
    json.number("StepCount", g.StepCount);
    json.number("Id", g.Id);
    json.number("Kind", g.Kind);
    json.number("Repeating", g.Repeating);
    json.number("RepeatDuration", g.RepeatDuration);
    json.key("Frames");
    json.open('[');
    for (const model::TFrame &f : g.Frames) {
        json.open('{');
        json.number("Duration", f.Duration);
        json.number("EntryCount", f.EntryCount);
        json.key("Entries");
        json.open('[');
        for (const model::TFrameEntry &e : f.Entries) {
            json.open('{');
            json.number("Element", e.Element);
            json.number("Red", e.Red);
            json.number("Green", e.Green);
            json.number("Blue", e.Blue);
            json.close('}');
        }
        json.close(']');
        json.close('}');
    }
    json.close(']');
    json.key("Channels");
    json.open('[');
    for (const model::TClubFrame &c : g.Channels) {
        json.open('{');
        json.number("Element", c.Element);
        json.number("StepCount", c.StepCount);
        json.number("UpperFrequency", c.UpperFrequency);
        json.number("LowerFrequency", c.LowerFrequency);
        json.key("Steps");
        json.open('[');
        for (const model::TClubStep &s : c.Steps) {
            json.open('{');
            json.number("Red", s.Red);
            json.number("Green", s.Green);
            json.number("Blue", s.Blue);
            json.number("Parameter", s.Parameter);
            json.close('}');
        }
        json.close(']');
        json.close('}');
    }
    json.close(']');
    json.close('}');
}

} // namespace

std::string dumpJson(const model::TDocument &doc)
{
    JsonWriter json;
    json.open('{');
    json.number("HeaderWord", doc.GlowFile.HeaderWord);
    json.number("GlowshowCount", doc.GlowFile.GlowshowCount);
    json.number("HasTrailer", doc.HasTrailer);
    json.text("TrailerText1", doc.TrailerText1);
    json.text("TrailerText2", doc.TrailerText2);
    json.key("Glowshows");
    json.open('[');
    for (const model::TGlowshow &g : doc.Glowshows)
        dumpGlowshow(json, g);
    json.close(']');
    json.close('}');
    return json.take();
}

} // namespace glowjson
