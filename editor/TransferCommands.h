#pragma once

#include <QObject>
#include <QPointer>

#include <vector>

namespace model {
struct Finding;
struct TGlowshow;
} // namespace model

namespace editor {

class CheckFileDialog;
class TMForm;
struct ExportSetup;

// The commands that carry glowshows between the document and other files, and the check of
// the open file: File > Import glowshows..., Import animation..., Export animation...,
// Export storyboard... and Check file...
class TransferCommands : public QObject {
    Q_OBJECT
public:
    explicit TransferCommands(TMForm &form);

    // Import while a loaded document has room for a glowshow; export while a glowshow is
    // selected, an animation only of a normal one; the check while a document is loaded.
    void updateActions();

private:
    // ImportCommands.cpp: the glowshows come as one step, Ids in use given free ones.
    void importGlowshows();
    void importAnimation();
    void appendImported(std::vector<model::TGlowshow> glowshows, const QString &step);
    // ExportCommands.cpp
    void exportAnimation() { exportSelected(true); }
    void exportStoryboard() { exportSelected(false); }
    void exportSelected(bool animation);
    ExportSetup exportSetup() const;
    // CheckFileCommands.cpp
    void checkFile();
    // Brings a finding into sight: its glowshow and cell.
    void showFinding(const model::Finding &f);

    TMForm &mForm;
    QPointer<CheckFileDialog> mCheckFileDialog;
};

} // namespace editor
