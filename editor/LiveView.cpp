// The device view beside the grids: the frame of the grid's current column, drawn as the
// preview draws it, on a surface of its own.
#include "Unit1.h"

#include "GlowshowPage.h"

#include "ErrorBox.h"
#include "GridWidgets.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QBoxLayout>
#include <QListWidget>
#include <QTimer>

#include <exception>

namespace editor {

void TMForm::createLiveView(QBoxLayout *page)
{
    mLiveSurface = std::make_unique<preview::QtDrawingSurface>();
    LiveView = new preview::DXDraw(mLiveSurface.get());
    LiveView->setObjectName(QStringLiteral("LiveView"));
    LiveView->setWholeMultiples(false);
    page->addWidget(LiveView);
}

void TMForm::scheduleLiveView()
{
    // Many changes in one round of the event loop (a drag, a macro) draw the view once.
    if (mLiveViewPending)
        return;
    mLiveViewPending = true;
    QTimer::singleShot(0, this, [this] {
        mLiveViewPending = false;
        runGuarded(this, [this] { updateLiveView(); });
    });
}

void TMForm::updateLiveView()
{
    const model::TGlowshow *g = mDocument.isLoaded() && mGlowshows->selectedLine() >= 0 ? Document.current() : nullptr;
    const bool shown = g && g->Kind == model::KindNormal;
    LiveView->setVisible(shown);
    if (!shown)
        return;
    const int column = std::max(EditGrid->currentIndex().column(), 0);
    try {
        preview::drawGlowshowFrame(*mLiveSurface, CurrentProfile, *g, std::size_t(column));
    } catch (const std::exception &) {
        // As in playback, a skin that cannot be drawn keeps the last picture without a message.
    }
}

preview::QtDrawingSurface &TMForm::liveSurface()
{
    return *mLiveSurface;
}

} // namespace editor
