#pragma once

#include "model/Document.h"
#include "profiles/Profile.h"
#include "settings/LanguageFile.h"

#include <QString>

#include <memory>
#include <ostream>

class QGuiApplication;

namespace editor {

// --export IN GLOWSHOW OUT and its options, as typed.
struct ExportArguments {
    QString in, glowshow, out;
    QString profile; // empty: the one the settings hold
    QString speed;   // percent of the stored timing; empty: 100
    QString scale;   // storyboard scale; empty: 1
    bool loop = false;
    QString programDir; // where Profiles/ and Languages/ are; empty: the executable's folder
};

// The language, profile and elements a command works with: the stored ones, or the profile
// `--profile` names.
struct CommandProfile {
    std::string programDir; // ends in '/'
    settings::LanguageTexts texts;
    profiles::TProfile profile; // name, language extension and ElementColors
    std::array<profiles::ElementInfo, profiles::ElementCount> elements;
    bool hideUnused = true;
    // Elements the profile shows: all but those not on the model while the hide option is on.
    bool shown(int element) const;
};

// The drawing and the storyboard's texts need a GUI application, but no display: one on the
// offscreen platform when there is none yet, else nullptr.
std::unique_ptr<QGuiApplication> offscreenApplication();

// Reads them; reports an unknown --profile to `err` and returns false.
bool commandProfile(const QString &programDir, const QString &profileName, CommandProfile &out, std::ostream &err);

// Exports a glowshow of `doc` (read from arguments.in); reports errors to `err` and returns
// the exit code. Makes an offscreen application for the drawing when there is none.
int exportCommand(const model::TDocument &doc, const ExportArguments &arguments, std::ostream &err);

// The glowshow GLOWSHOW names: an index from 0, or "id:" and a hexadecimal identifier (the
// first glowshow with it). -1 when it names none.
int glowshowArgument(const model::TDocument &doc, const QString &text);

} // namespace editor
