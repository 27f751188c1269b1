// The "Glowshow preview" page: choosing a glowshow and playing it on the device picture.
#include "Unit1.h"

#include "ControlText.h"
#include "ErrorBox.h"
#include "PreviewControlsOfForm.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace editor {

void TMForm::createPreviewSurface(QBoxLayout *page)
{
    // A child of the window, so that its timer is found by name like every other control.
    mSurface = std::make_unique<preview::QtDrawingSurface>(this);
    Timer1 = mSurface->Timer1();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    DXDraw = new preview::DXDraw(mSurface.get());
    DXDraw->setObjectName(QStringLiteral("DXDraw"));
    DXDraw->hide();
    FrameIndicator = new QLabel;
    FrameIndicator->setObjectName(QStringLiteral("FrameIndicator"));
    FrameIndicator->setAlignment(Qt::AlignCenter);
    FrameIndicator->hide();
    // Their places are kept from the start, so the first press of PLAY moves nothing else.
    for (QWidget *w : {static_cast<QWidget *>(DXDraw), static_cast<QWidget *>(FrameIndicator)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    auto *holder = new QVBoxLayout;
    holder->setSpacing(0); // the designed height holds the surface and one line under it
    holder->addWidget(DXDraw, 1);
    holder->addWidget(FrameIndicator);
    page->addLayout(holder, 2);

    mPreviewControls = std::make_unique<PreviewControlsOfForm>(*this);
    mPlayback = std::make_unique<preview::Playback>(Document, CurrentProfile, *mSurface, *mPreviewControls);
    connect(mSurface.get(), &preview::QtDrawingSurface::tick, this,
            [this] { runGuarded(this, [this] { Timer1Timer(); }); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, mSurface.get(),
            [surface = mSurface.get()](Qt::ApplicationState state) {
                surface->setApplicationActive(state == Qt::ApplicationActive);
            });
    DXDrawInitializeSurface();
    // Edits made meanwhile show when the preview page comes back.
    connect(PageControl1, &QTabWidget::currentChanged, this, [this] {
        if (PageControl1->currentWidget() == Tab3 && ListBox2->currentRow() >= 0)
            showPreviewFirstFrame();
    });
}

void TMForm::ListBox2Click()
{
    const int row = ListBox2->currentRow();
    if (row < 0)
        return;
    const QString label = ListBox2->item(row)->text();
    int line = -1;
    for (int i = 0; i < ListBox1->count() && line < 0; ++i)
        if (ListBox1->item(i)->text().compare(label, Qt::CaseInsensitive) == 0)
            line = i;
    if (line < 0)
        return;
    Document.CurrentGlowshow = std::uint8_t(line);
    selectListRow(ListBox1, line);
    Button15->setEnabled(true);
    UpdatingControls = true;
    ListBox1Click();
    UpdatingControls = false;
    showPreviewFirstFrame();
}

void TMForm::showPreviewFirstFrame()
{
    const model::TGlowshow *g = Document.current();
    if (!DocumentLoaded || !g || g->Kind != model::KindNormal || mSurface->timerEnabled())
        return;
    try {
        preview::drawGlowshowFrame(*mSurface, CurrentProfile, *g, 0);
    } catch (const std::exception &) {
        return; // as in playback: a frame that cannot be drawn shows nothing new
    }
    DXDraw->show();
}

void TMForm::Button15Click()
{
    mPlayback->Button15Click();
    updateFrameIndicator();
}

void TMForm::Timer1Timer()
{
    mPlayback->Timer1Timer();
    updateFrameIndicator();
}

void TMForm::updateFrameIndicator()
{
    const model::TGlowshow *g = Document.current();
    // The number of the frame on show: the tick has already moved on to the next one.
    const int shown = mPlayback->PreviewFrame;
    const bool playing = mSurface->timerEnabled() && g && shown > 0;
    FrameIndicator->setVisible(playing);
    if (playing)
        FrameIndicator->setText(
            uiText("PreviewFrame").arg(shown).arg(std::min<std::size_t>(g->FrameCount, g->Frames.size())));
}

void TMForm::DXDrawInitializeSurface()
{
    mPlayback->DXDrawInitializeSurface();
}

preview::QtDrawingSurface &TMForm::previewSurface()
{
    return *mSurface;
}

} // namespace editor
