#pragma once

// EditorForms is destroyed by the caller: its windows must be complete types there.
#include "editor/AboutForm.h"
#include "editor/Startup.h"
#include "editor/Unit1.h"
#include "editor/Unit2.h"
#include "model/Document.h"

#include <QMetaObject>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace bench {

// The editor's windows with `document` written to `home` and opened through the command line,
// as the program opens a file, on the shipped data folder; the main window shown.
editor::EditorForms openInEditor(const std::string &home, const model::TDocument &document);

// Runs `start` and stamps each call of the tick that `connectTick` connects, `count` times (or
// until a generous timeout); appends each interval between stamps minus `interval` (ms) to
// `errors`. False when the tick came fewer times.
bool measureTicks(int count, int interval,
                  const std::function<QMetaObject::Connection(std::function<void()>)> &connectTick,
                  const std::function<void()> &start, std::vector<double> &errors);

// Appends each interval between successive stamps minus `interval` (ms) to `errors`.
void appendTickErrors(const std::vector<std::chrono::steady_clock::time_point> &stamps, int interval,
                      std::vector<double> &errors);

} // namespace bench
