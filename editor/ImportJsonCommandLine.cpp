#include "ImportJsonCommandLine.h"

#include "GlowFileIO.h"
#include "glowjson/GlowJson.h"

#include <QFile>
#include <QFileInfo>

#include <iterator>

namespace editor {

namespace {

bool readInput(const QString &in, std::istream &input, QByteArray &json, std::ostream &err)
{
    if (in == QLatin1String("-")) {
        const std::string text((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
        if (input.bad()) {
            err << "standard input: cannot be read\n";
            return false;
        }
        json = QByteArray::fromStdString(text);
        return true;
    }
    QFile file(in);
    if (QFileInfo(in).isDir() || !file.open(QIODevice::ReadOnly)) {
        err << in.toStdString() << ": cannot be read"
            << (QFileInfo(in).isDir() ? std::string(" (a directory)") : ": " + file.errorString().toStdString())
            << '\n';
        return false;
    }
    json = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        err << in.toStdString() << ": " << file.errorString().toStdString() << '\n';
        return false;
    }
    return true;
}

} // namespace

int importJsonCommand(const QString &in, const QString &out, std::istream &input, std::ostream &err)
{
    QByteArray json;
    if (!readInput(in, input, json, err))
        return 1;
    model::TDocument doc;
    try {
        doc = glowjson::readJson(json);
    } catch (const glowjson::JsonError &e) {
        err << (in == QLatin1String("-") ? std::string("standard input") : in.toStdString()) << ": " << e.what()
            << '\n';
        return 1;
    }
    if (QFileInfo(out).isDir()) {
        err << out.toStdString() << ": is a directory, not a file\n";
        return 1;
    }
    return writeGlowFileForCommand(doc, out, err);
}

} // namespace editor
