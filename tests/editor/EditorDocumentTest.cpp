// The document tells its views what each step changed, keeps the current glowshow on the one it
// named, and drops a merged step that came back to where it started.
#include "EditorFixture.h"

#include "editor/EditorDocument.h"
#include "model/ColumnEdits.h"

#include <QSignalSpy>

#include <functional>

namespace editor_test {
namespace {

using editor::EditorDocument;

model::TDocument threeGlowshows()
{
    return documentOf({normalGlowshow(1, {frame(100, {entry(1, 1, 2, 3)}), frame(200, {})}),
                       rhythmGlowshow(2, 1, {channel(3, 500, 100, {{4, 5, 6, 7}})}),
                       normalGlowshow(3, {frame(300, {entry(2, 9, 9, 9)})})});
}

// The one signal a step sent, as "name(arguments)".
struct Heard {
    QStringList names;
    explicit Heard(EditorDocument &doc)
    {
        auto hear = [this](const char *name) {
            return [this, name](auto... arguments) {
                const QStringList shown{QString::number(arguments)...};
                names << QString::fromLatin1(name) + QLatin1Char('(') + shown.join(QLatin1Char(',')) + QLatin1Char(')');
            };
        };
        QObject::connect(&doc, &EditorDocument::cellsChanged, &doc, hear("cells"));
        QObject::connect(&doc, &EditorDocument::columnsChanged, &doc, hear("columns"));
        QObject::connect(&doc, &EditorDocument::glowshowChanged, &doc, hear("glowshow"));
        QObject::connect(&doc, &EditorDocument::glowshowInserted, &doc, hear("inserted"));
        QObject::connect(&doc, &EditorDocument::glowshowRemoved, &doc, hear("removed"));
        QObject::connect(&doc, &EditorDocument::glowshowsSwapped, &doc, hear("swapped"));
        QObject::connect(&doc, &EditorDocument::fileValuesChanged, &doc, hear("file"));
        QObject::connect(&doc, &EditorDocument::documentReplaced, &doc, hear("replaced"));
    }
};

TEST(EditorDocument, EachStepTellsWhatItChangedAndTheCurrentGlowshowFollowsIt)
{
    using Push = std::function<void(EditorDocument &)>;
    const struct {
        const char *name;
        Push push;
        int currentBefore;
        QString done;
        int currentAfter;
        QString undone;
        int currentUndone = -1; // -1: as before
    } cases[] = {
        {"colour",
         [](EditorDocument &d) {
             d.push(model::SetCellColour{0, 0, 1, {7, 7, 7}}, {});
         },
         0, "cells(0,0,0)", 0, "cells(0,0,0)"},
        {"duration",
         [](EditorDocument &d) {
             d.push(model::SetFrameDuration{2, 0, 5}, {});
         },
         0, "cells(2,0,0)", 0, "cells(2,0,0)"},
        {"count",
         [](EditorDocument &d) {
             d.push(model::SetColumnCount{0, 5}, {});
         },
         0, "columns(0)", 0, "columns(0)"},
        {"fill",
         [](EditorDocument &d) {
             d.push(*model::fillRange(d.content(), 0, {0, 1, 1, 2}, {1, 1, 1}), {});
         },
         0, "cells(0,0,1)", 0, "cells(0,0,1)"},
        {"frequency",
         [](EditorDocument &d) {
             d.push(model::SetChannelValue<&model::TClubFrame::UpperFrequency>{1, 3, 9}, {});
         },
         1, "glowshow(1)", 1, "glowshow(1)"},
        {"notes", [](EditorDocument &d) { d.push(model::SetDocumentValue<&model::TDocument::HasTrailer>{1}, {}); }, 2,
         "file()", 2, "file()"},
        {"copy before the current one",
         [](EditorDocument &d) {
             d.push(model::InsertGlowshow{1, model::TGlowshow{}}, {});
         },
         2, "inserted(1)", 3, "removed(1)"},
        // Undo shows the glowshow it brings back by selecting it; the document keeps its own.
        {"delete the current one", [](EditorDocument &d) { d.push(model::removeGlowshow(2), {}); }, 2, "removed(2)", 1,
         "inserted(2)", 1},
        {"delete one before", [](EditorDocument &d) { d.push(model::removeGlowshow(0), {}); }, 2, "removed(0)", 1,
         "inserted(0)"},
        {"move down",
         [](EditorDocument &d) {
             d.push(model::SwapGlowshows{0, 0}, {});
         },
         0, "swapped(0)", 1, "swapped(0)"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EditorDocument doc;
        doc.replace(threeGlowshows());
        doc.position().CurrentGlowshow = std::uint8_t(c.currentBefore);
        Heard heard(doc);
        c.push(doc);
        EXPECT_EQ(heard.names, QStringList{c.done});
        EXPECT_EQ(doc.content().CurrentGlowshow, c.currentAfter);
        heard.names.clear();
        doc.history().stack().undo();
        EXPECT_EQ(heard.names, QStringList{c.undone});
        EXPECT_EQ(doc.content().CurrentGlowshow, c.currentUndone >= 0 ? c.currentUndone : c.currentBefore);
    }
}

TEST(EditorDocument, AMergedStepThatComesBackToWhereItStartedRemovesItself)
{
    using Push = std::function<void(EditorDocument &, int value)>;
    const struct {
        const char *name;
        Push push;
        int original;
    } cases[] = {
        {"colour",
         [](EditorDocument &d, int v) {
             d.push(model::SetCellColour{0, 0, 1, {std::uint8_t(v), 2, 3}}, {}, 1);
         },
         1},
        {"duration",
         [](EditorDocument &d, int v) {
             d.push(model::SetFrameDuration{0, 1, std::uint16_t(v)}, {}, 2);
         },
         200},
        {"frequency",
         [](EditorDocument &d, int v) {
             d.push(model::SetChannelValue<&model::TClubFrame::LowerFrequency>{1, 3, std::uint16_t(v)}, {}, 3);
         },
         100},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EditorDocument doc;
        doc.replace(threeGlowshows());
        c.push(doc, c.original + 5);
        c.push(doc, c.original + 9);
        EXPECT_EQ(doc.history().stack().count(), 1) << "one step for the run";
        EXPECT_TRUE(doc.history().isModified());
        c.push(doc, c.original);
        EXPECT_EQ(doc.history().stack().count(), 0);
        EXPECT_FALSE(doc.history().isModified());
        EXPECT_EQ(doc.content(), [] {
            EditorDocument opened;
            opened.replace(threeGlowshows());
            return opened.content();
        }());
    }
}

// A view showing where an undo happened may set its controls; nothing it sets may become a
// step, or the redo steps would be lost.
TEST(EditorDocument, ShowingAnUndoneStepPushesNothingAndKeepsRedo)
{
    EditorDocument doc;
    doc.replace(threeGlowshows());
    doc.push(model::SetCellColour{0, 0, 1, {7, 7, 7}}, {});
    QObject::connect(&doc.history(), &editor::EditHistory::restored, &doc, [&doc] {
        doc.push(model::SetCellColour{0, 0, 1, {9, 9, 9}}, {});
    });
    doc.history().stack().undo();
    EXPECT_EQ(doc.content(), [] {
        EditorDocument opened;
        opened.replace(threeGlowshows());
        return opened.content();
    }());
    EXPECT_TRUE(doc.history().stack().canRedo());
    EXPECT_FALSE(doc.history().stack().canUndo()) << "the push while showing made no step";
    // Outside of showing, a push is a step again.
    doc.push(model::SetCellColour{0, 0, 1, {5, 5, 5}}, {});
    EXPECT_TRUE(doc.history().stack().canUndo());
}

} // namespace
} // namespace editor_test
