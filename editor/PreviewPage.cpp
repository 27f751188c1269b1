// The "Glowshow preview" page: choosing a glowshow and playing it on the device picture.
#include "Unit1.h"

#include "ControlText.h"
#include "ErrorBox.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "PreviewControlsOfForm.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>

namespace editor {

void TMForm::createPreviewSurface(QBoxLayout *page)
{
    mSurface = std::make_unique<preview::QtDrawingSurface>();
    Timer1 = mSurface->Timer1();
    Timer1->setObjectName(QStringLiteral("Timer1"));
    DXDraw = new preview::DXDraw(mSurface.get());
    DXDraw->setObjectName(QStringLiteral("DXDraw"));
    DXDraw->hide();
    // Its place is kept from the start, so the first press of PLAY moves nothing else.
    QSizePolicy policy = DXDraw->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    DXDraw->setSizePolicy(policy);
    auto *holder = new QVBoxLayout;
    holder->addWidget(DXDraw);
    holder->addStretch();
    page->addLayout(holder);

    mPreviewControls = std::make_unique<PreviewControlsOfForm>(*this);
    mPlayback = std::make_unique<preview::Playback>(Document, CurrentProfile, *mSurface, *mPreviewControls);
    connect(mSurface.get(), &preview::QtDrawingSurface::tick, this,
            [this] { runGuarded(this, [this] { Timer1Timer(); }); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, mSurface.get(),
            [surface = mSurface.get()](Qt::ApplicationState state) {
                surface->setApplicationActive(state == Qt::ApplicationActive);
            });
    DXDrawInitializeSurface();
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
}

void TMForm::Button15Click()
{
    mPlayback->Button15Click();
}

void TMForm::Timer1Timer()
{
    mPlayback->Timer1Timer();
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
