// Adding, removing, clearing and copying one element's entries.
#include "Unit1.h"

#include "GridWidgets.h"
#include "model/FrameOperations.h"

#include <QTableWidget>

#include <algorithm>

namespace editor {

void TMForm::editCurrentGlowshow(const QString &text, const std::function<void(model::TGlowshow &)> &change)
{
    const model::TGlowshow *g = Document.current();
    if (!g)
        return;
    model::TGlowshow changed = *g;
    change(changed);
    if (!(changed == *g))
        pushEdit(model::ReplaceGlowshow{Document.CurrentGlowshow, Document.CurrentElement, std::move(changed)}, text);
}

void TMForm::editCurrentFrame(const QString &text, bool (*change)(model::TFrame &, std::uint8_t))
{
    const model::TGlowshow *g = Document.current();
    if (!g || g->Kind != model::KindNormal)
        return;
    // A glowshow without frames shows one empty column; the first entry put there gives the
    // glowshow that frame, in the same step.
    const bool noFrames = g->FrameCount == 0 && g->Frames.empty() && Document.CurrentFrame == 0;
    if (!noFrames && Document.CurrentFrame >= std::min<std::size_t>(g->FrameCount, g->Frames.size()))
        return;
    model::TFrame frame = noFrames ? model::TFrame{} : g->Frames[Document.CurrentFrame];
    if (!change(frame, Document.CurrentElement))
        return;
    if (noFrames) {
        mHistory->beginStep(text);
        pushEdit(model::SetColumnCount(Document.CurrentGlowshow, 1), text);
    }
    pushEdit(
        model::ReplaceFrame{Document.CurrentGlowshow, Document.CurrentFrame, Document.CurrentElement, std::move(frame)},
        text);
    if (noFrames)
        mHistory->endStep();
}

void TMForm::AAddNewFrame()
{
    model::TGlowshow *g = Document.current();
    if (!g)
        return;
    if (g->Kind == model::KindRhythm) {
        // A rhythm element lives in every step or in none.
        execute(AAddAllFramesAction);
        return;
    }
    editCurrentFrame(stepName(AAddNewFrameAction), model::addFrameEntry);
}

void TMForm::ADelFrame()
{
    editCurrentFrame(stepName(ADelFrameAction), model::removeFrameEntry);
}

void TMForm::AAddAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    editCurrentGlowshow(stepName(AAddAllFramesAction), [element = Document.CurrentElement](model::TGlowshow &c) {
        model::addElementToAllFrames(c, element);
    });
    // The element stays selected, so that the new channel's band can be set at once.
    const int row = SlotGrid->currentRow();
    SlotGridSelectCell(0, row >= 0 ? row : Document.CurrentElement - 1);
}

void TMForm::ADelAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    editCurrentGlowshow(stepName(ADelAllFramesAction), [element = Document.CurrentElement](model::TGlowshow &c) {
        model::removeElementFromAllFrames(c, element);
    });
}

void TMForm::AClearAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    editCurrentGlowshow(stepName(AClearAllFramesAction), [element = Document.CurrentElement](model::TGlowshow &c) {
        model::clearElementInAllFrames(c, element);
    });
}

void TMForm::ACopyAllFrames()
{
    model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g)
        return;
    editCurrentGlowshow(stepName(ACopyAllFramesAction),
                        [element = Document.CurrentElement, target = Document.CopyTargetElement](model::TGlowshow &c) {
                            model::copyElementInAllFrames(c, element, target);
                        });
}

} // namespace editor
