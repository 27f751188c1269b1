#include "EditorFixture.h"

#include "editor/ColourButton.h"
#include "editor/EditHistory.h"
#include "editor/EditorTexts.h"
#include "editor/EffectPreview.h"
#include "editor/EffectsDialog.h"
#include "effects/EffectText.h"
#include "model/Clip.h"
#include "model/GlowFile.h"
#include "preview/BitmapPictureSink.h"
#include "preview/QtDrawingSurface.h"
#include "profiles/Skin.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QInputDialog>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

namespace {

using namespace editor_test;
using editor::EffectsDialog;

QString english(std::string_view key)
{
    return editor::editorText(settings::LanguageTexts{}, key);
}

std::string gridOf(const model::TGlowshow &g)
{
    return model::clipText(model::copyClip(g, {0, model::columnCount(g) - 1, 1, 6}));
}

class EffectsDialogTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        doc = documentOf(
            {normalGlowshow(1, {frame(100, {entry(1, 1, 1, 1), entry(2, 0, 0, 0)}), frame(200, {entry(1, 2, 2, 2)}),
                                frame(100, {}), frame(300, {entry(2, 5, 5, 5)})})});
        profile.ProfileName = "Motorola (All Models)";
        preview::BitmapPictureSink sink(pictures);
        profiles::ALoadProfilePics(profile, GLOW_DATA_DIR "/", sink);
        store = std::make_unique<settings::SettingsStore>(settingsFile);
    }
    std::unique_ptr<EffectsDialog> open(int first, int last, std::vector<std::uint8_t> elements, int current = 0)
    {
        const editor::EffectsScope scope{doc, 0, first, last, std::move(elements), current, profile, pictures.images()};
        auto dialog = std::make_unique<EffectsDialog>(scope, *store, english);
        dialog->show();
        return dialog;
    }
    static void moveSlider(EffectsDialog &d, int colour, const char *slider, int value)
    {
        auto *button = d.findChild<editor::ColourButton *>(QStringLiteral("EffectColour%1").arg(colour));
        ASSERT_TRUE(button);
        button->menu()->findChild<QSlider *>(QString::fromLatin1(slider))->setValue(value);
    }
    static void chooseEffect(EffectsDialog &d, effects::Effect effect)
    {
        d.findChild<QListWidget *>(QStringLiteral("EffectKind"))->setCurrentRow(int(effect));
    }

    model::TDocument doc;
    profiles::TProfile profile;
    preview::QtDrawingSurface pictures;
    std::unique_ptr<settings::SettingsStore> store;
};

} // namespace

TEST_F(EffectsDialogTest, OkGivesOneEditOfACopyAndCancelNone)
{
    const struct {
        const char *name;
        int first, last;
        std::vector<std::uint8_t> elements;
        std::function<void(EffectsDialog &)> steps;
        const char *button;
        const char *grid; // after the edit; empty: no edit
        const char *step;
    } cases[] = {
        {"the gradient it opens with",
         0,
         3,
         {1},
         [](EffectsDialog &) {},
         "EffectsApply",
         "#F00\t#B04\t#40B\t#00F\n#000\t\t\t#555\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n",
         "Gradient"},
        {"chase, its colour 1 moved to green",
         1,
         2,
         {1, 2},
         [](EffectsDialog &d) {
             chooseEffect(d, effects::Effect::Chase);
             moveSlider(d, 1, "ColourRed", 0);
             moveSlider(d, 1, "ColourGreen", 15);
         },
         "EffectsApply",
         "#111\t#0F0\t#00F\t\n#000\t#00F\t#0F0\t#555\n\t\t\t\n\t\t\t\n\t\t\t\n\t\t\t\n",
         "Chase"},
        {"two new frames after the current one",
         0,
         0,
         {3},
         [](EffectsDialog &d) {
             chooseEffect(d, effects::Effect::Solid);
             d.findChild<QRadioButton *>(QStringLiteral("EffectNewFrames"))->click();
             d.findChild<QSpinBox *>(QStringLiteral("EffectNewCount"))->setValue(2);
         },
         "EffectsApply",
         "#111\t#111\t#111\t#222\t\t\n#000\t#000\t#000\t\t\t#555\n\t#F00\t#"
         "F00\t\t\t\n\t\t\t\t\t\n\t\t\t\t\t\n\t\t\t\t\t\n",
         "Solid colour"},
        {"cancel",
         0,
         3,
         {1},
         [](EffectsDialog &d) { chooseEffect(d, effects::Effect::Blink); },
         "EffectsCancel",
         "",
         ""},
        {"an effect that changes nothing",
         3,
         3,
         {2},
         [](EffectsDialog &d) {
             chooseEffect(d, effects::Effect::Solid);
             moveSlider(d, 1, "ColourRed", 5);
             moveSlider(d, 1, "ColourGreen", 5);
             moveSlider(d, 1, "ColourBlue", 5);
         },
         "EffectsApply",
         "",
         "Solid colour"},
    };
    for (const auto &c : cases) {
        const std::vector<std::uint8_t> before = model::EncodeGlowFile(doc);
        const std::unique_ptr<EffectsDialog> dialog = open(c.first, c.last, c.elements);
        c.steps(*dialog);
        EXPECT_EQ(model::EncodeGlowFile(doc), before) << c.name << ": untouched while open";
        dialog->findChild<QPushButton *>(QString::fromLatin1(c.button))->click();
        EXPECT_EQ(model::EncodeGlowFile(doc), before) << c.name << ": the dialog only gives the edit";
        ASSERT_EQ(dialog->edit().has_value(), *c.grid != '\0') << c.name;
        if (!dialog->edit())
            continue;
        EXPECT_EQ(dialog->stepName(), c.step);
        model::TDocument applied = doc;
        model::SpliceColumns edit = *dialog->edit();
        edit.apply(applied);
        EXPECT_EQ(gridOf(applied.Glowshows[0]), c.grid) << c.name;
    }
}

TEST_F(EffectsDialogTest, APreviewPlaysTheRangeWithEveryChangeAtOnce)
{
    const std::unique_ptr<EffectsDialog> dialog = open(1, 3, {1, 2});
    editor::EffectPreview *preview = dialog->preview();
    EXPECT_EQ(preview->timer()->timerType(), Qt::PreciseTimer);
    EXPECT_EQ(preview->timer()->objectName(), QStringLiteral("EffectPreviewTimer"));
    EXPECT_TRUE(preview->timer()->isActive());
    EXPECT_EQ(preview->shownColumn(), 1);
    EXPECT_EQ(preview->timer()->interval(), 200) << "frame 2 lasts 200 ms";
    const QImage red = preview->surface().frontBuffer();
    model::Colour colour;
    ASSERT_TRUE(model::cellColour(preview->shownGlowshow(), 1, 2, colour));
    EXPECT_EQ(colour, (model::Colour{15, 0, 0}));
    auto *strip = dialog->findChild<QWidget *>(QStringLiteral("EffectStrip"));
    const QImage redStrip = strip->grab().toImage();

    moveSlider(*dialog, 1, "ColourGreen", 15);
    EXPECT_NE(strip->grab().toImage(), redStrip) << "the strip shows the change";
    ASSERT_TRUE(model::cellColour(preview->shownGlowshow(), 1, 2, colour));
    EXPECT_EQ(colour, (model::Colour{15, 15, 0}));
    EXPECT_NE(preview->surface().frontBuffer(), red) << "the device picture shows the change";
    EXPECT_EQ(preview->shownColumn(), 1) << "a change plays the range from its start";

    QMetaObject::invokeMethod(preview->timer(), "timeout");
    EXPECT_EQ(preview->shownColumn(), 2);
    EXPECT_EQ(preview->timer()->interval(), 100);
    QMetaObject::invokeMethod(preview->timer(), "timeout");
    QMetaObject::invokeMethod(preview->timer(), "timeout");
    EXPECT_EQ(preview->shownColumn(), 1) << "it loops";
}

TEST_F(EffectsDialogTest, PresetsAreSavedChosenAndDeleted)
{
    const std::unique_ptr<EffectsDialog> dialog = open(0, 3, {1, 2});
    auto *presets = dialog->findChild<QListWidget *>(QStringLiteral("EffectPresets"));
    auto *remove = dialog->findChild<QPushButton *>(QStringLiteral("EffectDeletePreset"));
    ASSERT_EQ(presets->count(), 4);
    presets->setCurrentRow(0);
    EXPECT_FALSE(remove->isEnabled()) << "built-in presets stay";

    chooseEffect(*dialog, effects::Effect::Chase);
    dialog->findChild<QSpinBox *>(QStringLiteral("EffectWidth"))->setValue(2);
    answerNextModal([](QWidget *w) {
        auto *ask = qobject_cast<QInputDialog *>(w);
        ASSERT_TRUE(ask);
        ask->setTextValue(QStringLiteral("  Wide chase "));
        ask->accept();
    });
    dialog->findChild<QPushButton *>(QStringLiteral("EffectSavePreset"))->click();
    ASSERT_EQ(presets->count(), 5);
    EXPECT_EQ(presets->item(4)->text(), QStringLiteral("Wide chase"));
    const std::vector<editor::EffectPreset> saved = editor::readPresets(*store);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].effect, "chase colours=#F00,#00F width=2");

    presets->itemClicked(presets->item(0));
    EXPECT_EQ(effects::effectText(dialog->parameters()), "blink colours=#F00,#00F cycles=8");
    presets->itemClicked(presets->item(4));
    EXPECT_EQ(dialog->parameters().width, 2);
    EXPECT_EQ(dialog->parameters().effect, effects::Effect::Chase);

    presets->setCurrentRow(4);
    ASSERT_TRUE(remove->isEnabled());
    remove->click();
    EXPECT_EQ(presets->count(), 4);
    EXPECT_TRUE(editor::readPresets(*store).empty());
}

TEST_F(EffectsDialogTest, EditEffectsPushesOneStepAndCancelNone)
{
    editor::TMForm &f = startWith(doc);
    auto *list = f.findChild<QListWidget *>(QStringLiteral("ListBox1"));
    list->setCurrentRow(0);
    auto *pages = f.findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    pages->setCurrentWidget(f.findChild<QWidget *>(QStringLiteral("Tab2")));
    processEvents();
    auto *action = f.findChild<QAction *>(QStringLiteral("AEffects"));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    ASSERT_TRUE(action->isEnabled());
    QUndoStack &stack = f.history().stack();
    const std::vector<std::uint8_t> opened = model::EncodeGlowFile(f.Document);
    const struct {
        const char *button;
        int steps;
    } cases[] = {{"EffectsCancel", 0}, {"EffectsApply", 1}};
    for (const auto &c : cases) {
        answerNextModal([&](QWidget *w) {
            EXPECT_EQ(w->objectName(), QStringLiteral("EffectsDialog"));
            chooseEffect(*static_cast<EffectsDialog *>(w), effects::Effect::Rainbow);
            EXPECT_EQ(model::EncodeGlowFile(f.Document), opened) << "untouched while open";
            w->findChild<QPushButton *>(QString::fromLatin1(c.button))->click();
        });
        trigger(action);
        EXPECT_EQ(stack.count(), c.steps) << c.button;
    }
    EXPECT_EQ(stack.undoText(), QStringLiteral("Rainbow"));
    model::Colour colour;
    ASSERT_TRUE(model::cellColour(f.Document.Glowshows[0], 2, 6, colour)) << "every frame, every shown element";
    stack.undo();
    EXPECT_EQ(model::EncodeGlowFile(f.Document), opened);
}
