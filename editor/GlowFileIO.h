#pragma once

#include "model/Document.h"
#include "model/GlowFile.h"

#include <QString>

#include <functional>
#include <iosfwd>
#include <memory>

namespace editor {

// Reads `fileName` into the document. Returns false, leaving the document untouched, when the
// file's first word is not 257. Throws model::IoError with the run-time's text on failure;
// the document is untouched then too. FileName is left to the caller.
bool ReadGlowFile(model::TDocument &doc, const QString &fileName);

// The document in `fileName` as Open reads it: errors name the file (namingFile), a folder is
// "File access denied", and a file that does not start with 257 throws std::runtime_error
// saying so.
model::TDocument readGlowFileAsOpen(const QString &fileName);

// The whole content of a file, read as Open reads one (a folder is "File access denied").
// Throws model::IoError with the run-time's text.
QByteArray readWholeFile(const QString &fileName);

// Wraps the file's sink; tests use it to inject failures between the writer and the file.
using SinkWrapper = std::function<std::unique_ptr<model::ByteSink>(std::unique_ptr<model::ByteSink>)>;

// Writes the document to `fileName` through a temporary file that replaces the target only
// once every byte is on disk: a failed save leaves the previous file as it was. Throws
// model::IoError ("File access denied", "Invalid filename", "Disk full", ...).
void WriteGlowFile(model::TDocument &doc, const QString &fileName);
void WriteGlowFile(model::TDocument &doc, const QString &fileName, const SinkWrapper &wrap);
// WriteGlowFile for a command-line command: a failure goes to `err` after the file's name.
// Returns the command's exit code.
int writeGlowFileForCommand(model::TDocument &doc, const QString &fileName, std::ostream &err);

// Writes `bytes` to `fileName` the same safe way; the same errors.
void writeFileSafely(const QString &fileName, const QByteArray &bytes);
// Runs a file operation; a model::IoError it raises is raised again with the file's full path
// on a line of its own after the run-time's text, so that the error box names the file.
void namingFile(const QString &fileName, const std::function<void()> &operation);

// The name a document goes by in titles and questions: its file's name without the folder,
// or `untitled` for a document that was never saved.
QString shownDocumentName(const std::string &fileName, const QString &untitled);

} // namespace editor
