#pragma once

#include "Unit1.h"

#include <memory>

namespace editor {

class AboutBox;

// The three windows of a running editor, created in the order the start-up relies on.
struct EditorForms {
    std::unique_ptr<TMForm> MForm;
    std::unique_ptr<TSForm> SForm;
    std::unique_ptr<TAForm> AForm;
    EditorForms() = default;
    EditorForms(EditorForms &&) = default;
    EditorForms &operator=(EditorForms &&) = default;
    ~EditorForms();
};

// Creates MForm, SForm and AForm in that order; creating AForm runs AMFormCreate.
// Errors of the start-up are shown in the standard error box and the editor still comes up.
EditorForms createForms(EditorEnvironment environment);

// The whole GUI process: application, windows, message loop. Returns the exit code.
int runEditor(int argc, char **argv);

} // namespace editor
