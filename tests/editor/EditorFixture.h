#pragma once

#include "editor/AboutForm.h"
#include "editor/FileDialogs.h"
#include "editor/GridWidgets.h"
#include "editor/Startup.h"
#include "editor/Unit1.h"
#include "editor/Unit2.h"
#include "model/Document.h"

#include "NamedChild.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace editor_test {

// The control, action or timer of `window` with that object name; a missing or doubled name
// fails the test at once, naming it.
template <class T> T *childNamed(const QWidget &window, const char *name)
{
    QString problem;
    if (T *found = testing_support::findNamedChild<T>(window, QString::fromLatin1(name), problem))
        return found;
    ADD_FAILURE() << problem.toStdString();
    throw std::runtime_error(problem.toStdString());
}

// The Open and Save dialogs as a test scripts them: each call takes the next queued name;
// an empty queue (or an empty name) answers as a cancelled dialog.
class FakeFileDialogs : public editor::FileDialogs {
public:
    QStringList openNames;
    QStringList saveNames;
    int openCalls = 0;
    int saveCalls = 0;
    QString openFileName(QWidget *parent) override;
    QString saveFileName(QWidget *parent) override;
    // Export dialogs take the next of exportNames; the filters and names they were offered are kept.
    QStringList exportNames;
    QList<QStringList> exportFilters;
    QStringList exportSuggestions;
    QString exportFileName(QWidget *parent, const QStringList &filters, const QString &suggested) override;
    // Import dialogs take the next of importNames.
    QStringList importNames;
    QString importFileName(QWidget *parent, const QStringList &filters) override;
};

// What a queued answer saw of the modal window it handled.
struct ModalSeen {
    QString className; // e.g. "QMessageBox", "editor::TSForm"
    QString title;
    QString text; // QMessageBox::text(), empty for other dialogs
};

// Runs the editor's windows against a temporary folder, a temporary settings file and scripted
// file dialogs. Every modal window that opens while a test runs is handled: by the next queued
// answer, or else closed and recorded in unexpectedModals (so a stray box never hangs a test).
class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates MForm, SForm and AForm and runs the start-up, on `programDir` (default: the
    // shipped data folder).
    editor::TMForm &start(const QStringList &arguments = {}, const QString &programDir = {});
    // start(), then opens `doc` (written to `name` in the temporary folder) through Open.
    editor::TMForm &startWith(const model::TDocument &doc, const QString &name = QStringLiteral("show.pat"));

    // Opens a file through the Open command and its dialog seam.
    void openThroughDialog(const QString &path);
    // Saves through Save As and its dialog seam.
    void saveAsThroughDialog(const QString &path);
    // Triggers the command's action the way a menu or button does (errors go to the error box).
    void trigger(QAction *action);

    QString path(const QString &name) const;
    // Writes the document's file image (model::EncodeGlowFile) to `name`; returns the path.
    QString writePat(const QString &name, model::TDocument doc) const;
    QString writeBytes(const QString &name, const QByteArray &bytes) const;
    static QByteArray fileBytes(const QString &path);

    // Answers the next modal window with `answer`; its description is appended to modalsSeen.
    void answerNextModal(std::function<void(QWidget *)> answer);
    // Presses OK on the next message box.
    void acceptNextMessageBox();
    // Presses a standard button (QMessageBox::StandardButton) of the next message box.
    void answerMessageBox(int button);
    // Presses the given button of the glowshow type dialog: 1 Normal, 2 Clublight, 3 Cancel.
    void answerGlowshowType(int button);
    // Lets queued events run (painting, deferred slots).
    static void processEvents();

    editor::TMForm &form() const { return *forms.MForm; }
    // The main window's controls and actions, by object name.
    template <class T> T *widget(const char *name) const { return childNamed<T>(form(), name); }
    QAction *action(const char *name) const { return childNamed<QAction>(form(), name); }
    editor::EditGridView *editGrid() const { return widget<editor::EditGridView>("EditGrid"); }
    QTableWidget *frameGrid() const { return widget<QTableWidget>("FrameGrid"); }
    QTableWidget *slotGrid() const { return widget<QTableWidget>("SlotGrid"); }

    QTemporaryDir dir;
    QString settingsFile;
    FakeFileDialogs dialogs;
    editor::EditorForms forms;
    std::vector<ModalSeen> modalsSeen;
    std::vector<ModalSeen> unexpectedModals;

private:
    void pollModal();
    std::deque<std::function<void(QWidget *)>> mAnswers;
    std::unique_ptr<QTimer> mModalTimer;
};

// Building blocks for test documents.
model::TFrameEntry entry(std::uint8_t element, std::uint8_t red, std::uint8_t green, std::uint8_t blue);
model::TFrame frame(std::uint16_t duration, std::vector<model::TFrameEntry> entries);
model::TGlowshow normalGlowshow(std::uint8_t id, std::vector<model::TFrame> frames);
model::TClubFrame channel(std::uint8_t element, std::uint16_t upper, std::uint16_t lower,
                          std::vector<model::TClubStep> steps);
model::TGlowshow rhythmGlowshow(std::uint8_t id, std::uint8_t stepCount, std::vector<model::TClubFrame> channels);
// A document holding the glowshows, counts and header filled in as a written file has them.
model::TDocument documentOf(std::vector<model::TGlowshow> glowshows);

} // namespace editor_test
