// The pages work on the document alone, without the main window: what the user changes on a
// page is one step, and what a page shows is none.
#include "EditorFixture.h"

#include "editor/EditorDocument.h"
#include "editor/GlowshowPage.h"
#include "editor/SelectedFramePage.h"
#include "editor/SetupPage.h"
#include "editor/SlotOperationsPage.h"
#include "profiles/Profile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>

#include <map>

namespace editor_test {
namespace {

// The window's commands as a page asks for them by name.
struct Commands {
    std::map<std::string, std::unique_ptr<QAction>, std::less<>> actions;
    editor::CommandOf lookup()
    {
        return [this](std::string_view name) {
            auto found = actions.find(name);
            if (found == actions.end())
                found = actions.emplace(std::string(name), std::make_unique<QAction>()).first;
            return found->second.get();
        };
    }
};

model::TDocument pageDocument()
{
    return documentOf({normalGlowshow(1, {frame(100, {entry(1, 1, 2, 3)}), frame(200, {entry(1, 4, 5, 6)})}),
                       rhythmGlowshow(2, 2, {channel(3, 500, 100, {{4, 5, 6, 7}, {1, 1, 1, 1}})})});
}

editor::TextOf keyText()
{
    return [](std::string_view key) { return QString::fromLatin1(key.data(), qsizetype(key.size())); };
}

TEST(Pages, AUserChangeIsOneNamedStepAndShowingIsNone)
{
    const struct {
        const char *name;
        int glowshow;
        // Shows the page's values, then changes one as the user does.
        std::function<void(editor::EditorDocument &, Commands &)> run;
        QString step; // empty: no step
    } cases[] = {
        {"notes typed", 0,
         [](editor::EditorDocument &d, Commands &c) {
             editor::SetupPage page(d, keyText(), c.lookup());
             emit d.documentReplaced();
             page.Edit1->setText(QStringLiteral("hello"));
         },
         QStringLiteral("StepFirstNote")},
        {"notes shown",
         0,
         [](editor::EditorDocument &d, Commands &c) {
             editor::SetupPage page(d, keyText(), c.lookup());
             emit d.fileValuesChanged();
         },
         {}},
        {"repeat duration", 0,
         [](editor::EditorDocument &d, Commands &c) {
             const profiles::TProfile profile;
             editor::GlowshowPage page(d, profile, keyText(), c.lookup());
             page.setLines({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("a")});
             page.showProperties();
             page.CheckBox1->setChecked(true);
         },
         QStringLiteral("StepRepeat")},
        {"properties shown",
         1,
         [](editor::EditorDocument &d, Commands &c) {
             const profiles::TProfile profile;
             editor::GlowshowPage page(d, profile, keyText(), c.lookup());
             page.setLines({QStringLiteral("a"), QStringLiteral("b")}, {QStringLiteral("a")});
             page.showProperties();
             page.showFrameCount();
         },
         {}},
        {"band", 1,
         [](editor::EditorDocument &d, Commands &c) {
             editor::SlotOperationsPage page(d, keyText(), c.lookup());
             page.showElement(2);
             page.SpinEdit3->setValue(900);
         },
         QStringLiteral("StepFrequency")},
        {"element shown",
         1,
         [](editor::EditorDocument &d, Commands &c) {
             editor::SlotOperationsPage page(d, keyText(), c.lookup());
             page.showElement(2);
         },
         {}},
        {"colour", 0,
         [](editor::EditorDocument &d, Commands &c) {
             const profiles::TProfile profile;
             editor::SelectedFramePage page(d, profile, keyText(), c.lookup());
             d.position().CurrentFrame = 1;
             d.position().CurrentEntry = 0;
             page.showEntry();
             page.TrackBar1->setValue(0); // the top: 15
         },
         QStringLiteral("StepColour")},
        {"typed colour", 0,
         [](editor::EditorDocument &d, Commands &c) {
             const profiles::TProfile profile;
             editor::SelectedFramePage page(d, profile, keyText(), c.lookup());
             d.position().CurrentFrame = 0;
             d.position().CurrentEntry = 0;
             page.showEntry();
             page.ColourText->setText(QStringLiteral("#F80"));
             emit page.ColourText->editingFinished();
         },
         QStringLiteral("StepColour")},
        {"rhythm step shown",
         1,
         [](editor::EditorDocument &d, Commands &c) {
             const profiles::TProfile profile;
             editor::SelectedFramePage page(d, profile, keyText(), c.lookup());
             d.position().CurrentElement = 3;
             d.position().CurrentFrame = 1;
             d.position().CurrentEntry = 0;
             page.showEntry();
             page.showNoEntry();
         },
         {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        editor::EditorDocument doc;
        doc.replace(pageDocument());
        doc.position().CurrentGlowshow = std::uint8_t(c.glowshow);
        doc.position().CurrentElement = 1;
        Commands commands;
        c.run(doc, commands);
        const QUndoStack &stack = doc.history().stack();
        EXPECT_EQ(stack.count(), c.step.isEmpty() ? 0 : 1);
        EXPECT_EQ(doc.history().isModified(), !c.step.isEmpty());
        if (!c.step.isEmpty() && stack.count() == 1) {
            EXPECT_EQ(stack.text(0).toStdString(), c.step.toStdString());
        }
    }
}

} // namespace
} // namespace editor_test
