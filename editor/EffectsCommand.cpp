// Edit > Effects...: the effects dialog on the selected range (a single cell is no range: then
// every frame and every shown element), its edit pushed as one step named after the effect.
#include "TimelineCommands.h"

#include "EffectsDialog.h"
#include "GridWidgets.h"
#include "Unit1.h"

#include "EditPage.h"
#include "preview/QtDrawingSurface.h"

#include <algorithm>

namespace editor {

void TimelineCommands::effects()
{
    const model::TGlowshow *g = mForm.Document.current();
    if (!g)
        return;
    const int count = model::columnCount(*g);
    const std::optional<model::FrameRange> range = selection();
    const bool ranged = range && (range->columns() > 1 || range->rows() > 1);
    const QModelIndex current = mForm.mEdit->EditGrid->currentIndex();
    EffectsScope scope{mForm.Document,
                       mForm.Document.CurrentGlowshow,
                       ranged ? range->firstColumn : 0,
                       ranged ? range->lastColumn : count - 1,
                       {},
                       current.isValid() ? std::min(current.column(), count - 1) : count - 1,
                       mForm.CurrentProfile,
                       mForm.previewSurface().images()};
    for (int e = ranged ? range->firstElement : 1; e <= (ranged ? range->lastElement : 6); ++e)
        if (!mForm.isElementHidden(e))
            scope.elements.push_back(std::uint8_t(e));
    if (scope.elements.empty())
        return;
    EffectsDialog dialog(
        scope, mForm.settingsStore(), [this](std::string_view key) { return mForm.uiText(key); }, &mForm);
    if (dialog.exec() != QDialog::Accepted || !dialog.edit())
        return;
    const effects::EffectTarget target = dialog.target();
    const int first = dialog.edit()->shown.column;
    const auto [low, high] = std::minmax_element(scope.elements.begin(), scope.elements.end());
    mForm.document().push(*dialog.edit(), dialog.stepName());
    showColumns({first, first + target.columns - 1, *low, *high});
}

} // namespace editor
