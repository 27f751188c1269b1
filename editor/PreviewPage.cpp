#include "PreviewPage.h"

#include "ControlText.h"
#include "EditorDocument.h"
#include "ErrorBox.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>

#include <algorithm>

namespace editor {

// The controls playback reads and changes, as the playback logic sees them.
class PreviewPage::Controls : public preview::PreviewControls {
public:
    explicit Controls(PreviewPage &page) : mPage(page) {}
    std::string button15Caption() const override { return captionSource(mPage.Button15->text()); }
    void setButton15Caption(const std::string &caption) override { mPage.Button15->setText(captionText(caption)); }
    void setEditingEnabled(bool enabled) override
    {
        mPage.ListBox2->setEnabled(enabled);
        emit mPage.editingAllowedChanged(enabled);
    }
    int trackBar4Position() const override { return mPage.TrackBar4->value(); }
    void showDXDraw() override { mPage.DXDraw->show(); }
    bool documentLoaded() const override { return mPage.mDocumentLoaded(); }
    bool repeatChecked() const override { return mPage.CheckBox4->isChecked(); }

private:
    PreviewPage &mPage;
};

namespace {

QLabel *label(const char *name, const char *text)
{
    auto *l = new QLabel(QString::fromUtf8(text));
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::PlainText); // texts come from files: never rich text
    return l;
}

} // namespace

PreviewPage::PreviewPage(EditorDocument &document, profiles::TProfile &profile,
                         std::function<QString(std::string_view)> text, std::function<bool()> documentLoaded)
    : mDocument(document), mProfile(profile), mText(std::move(text)), mDocumentLoaded(std::move(documentLoaded)),
      // A child of the page, so that its timer is found by name like every other control.
      mSurface(std::make_unique<preview::QtDrawingSurface>(this))
{
    setObjectName(QStringLiteral("Tab3"));
    auto *page = new QHBoxLayout(this);
    // The designed height holds the surface and the frame count under it with thinner margins.
    const QMargins margins = page->contentsMargins();
    page->setContentsMargins(margins.left(), 6, margins.right(), 6);

    auto *left = new QVBoxLayout;
    ListBox2 = new QListWidget;
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->setUniformItemSizes(true);
    Button15 = new QPushButton(QStringLiteral("PLAY!!!!!"));
    Button15->setObjectName(QStringLiteral("Button15"));
    Button15->setEnabled(false);
    // Ticked, the preview plays its glowshow again and again until stopped.
    CheckBox4 = new QCheckBox;
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    left->addWidget(ListBox2, 1);
    left->addWidget(Button15);
    left->addWidget(CheckBox4);

    auto *speed = new QVBoxLayout;
    Label15 = label("Label15", "Speed");
    Label17 = label("Label17", "100 %");
    TrackBar4 = new QSlider(Qt::Vertical);
    TrackBar4->setObjectName(QStringLiteral("TrackBar4"));
    TrackBar4->setRange(0, 100);
    TrackBar4->setPageStep(25);
    TrackBar4->setTickInterval(10);
    TrackBar4->setTickPosition(QSlider::TicksRight);
    TrackBar4->setInvertedAppearance(true); // position 0 at the top
    TrackBar4->setInvertedControls(true);
    TrackBar4->setValue(0);
    Label18 = label("Label18", "50%");
    speed->addWidget(Label15);
    speed->addWidget(Label17);
    speed->addWidget(TrackBar4, 1);
    speed->addWidget(Label18);
    page->addLayout(left, 1);
    page->addLayout(speed);

    mSurface->Timer1()->setObjectName(QStringLiteral("Timer1"));
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

    mControls = std::make_unique<Controls>(*this);
    mPlayback = std::make_unique<preview::Playback>(mDocument.position(), mProfile, *mSurface, *mControls);
    connect(mSurface.get(), &preview::QtDrawingSurface::tick, this,
            [this] { runGuarded(this, [this] { Timer1Timer(); }); });
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, mSurface.get(),
            [surface = mSurface.get()](Qt::ApplicationState state) {
                surface->setApplicationActive(state == Qt::ApplicationActive);
            });
    connect(ListBox2, &QListWidget::currentRowChanged, this, [this] { runGuarded(this, [this] { ListBox2Click(); }); });
    connect(Button15, &QPushButton::clicked, this, [this] { runGuarded(this, [this] { Button15Click(); }); });
    mPlayback->DXDrawInitializeSurface();
}

PreviewPage::~PreviewPage() = default;

void PreviewPage::setGlowshows(const QStringList &labels, std::vector<int> glowshows)
{
    const QSignalBlocker block(ListBox2);
    ListBox2->clear();
    ListBox2->addItems(labels);
    ListBox2->setCurrentRow(-1);
    mGlowshows = std::move(glowshows);
}

void PreviewPage::relabel(const QStringList &labels)
{
    for (int i = 0; i < ListBox2->count() && i < labels.size(); ++i)
        ListBox2->item(i)->setText(labels[i]);
}

void PreviewPage::selectGlowshow(int glowshow)
{
    const auto line = std::find(mGlowshows.begin(), mGlowshows.end(), glowshow);
    {
        const QSignalBlocker block(ListBox2);
        ListBox2->setCurrentRow(line != mGlowshows.end() ? int(line - mGlowshows.begin()) : -1);
    }
    Button15->setEnabled(ListBox2->currentRow() >= 0);
}

void PreviewPage::setPlayEnabled(bool enabled)
{
    Button15->setEnabled(enabled);
}

void PreviewPage::ListBox2Click()
{
    const int row = ListBox2->currentRow();
    if (row < 0 || std::size_t(row) >= mGlowshows.size())
        return;
    Button15->setEnabled(true);
    emit glowshowChosen(mGlowshows[std::size_t(row)]);
    showFirstFrame();
}

void PreviewPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (ListBox2->currentRow() >= 0)
        runGuarded(this, [this] { showFirstFrame(); });
}

void PreviewPage::showFirstFrame()
{
    const model::TGlowshow *g = mDocument.content().current();
    if (!mDocumentLoaded() || !g || g->Kind != model::KindNormal || mSurface->timerEnabled())
        return;
    try {
        preview::drawGlowshowFrame(*mSurface, mProfile, *g, 0);
    } catch (const std::exception &) {
        return; // as in playback: a frame that cannot be drawn shows nothing new
    }
    DXDraw->show();
}

void PreviewPage::stop()
{
    mSurface->Timer1()->stop();
}

void PreviewPage::Button15Click()
{
    mPlayback->Button15Click();
    updateFrameIndicator();
}

void PreviewPage::Timer1Timer()
{
    mPlayback->Timer1Timer();
    updateFrameIndicator();
}

void PreviewPage::updateFrameIndicator()
{
    const model::TGlowshow *g = mDocument.content().current();
    // The number of the frame on show: the tick has already moved on to the next one.
    const int shown = mPlayback->PreviewFrame;
    const bool playing = mSurface->timerEnabled() && g && shown > 0;
    FrameIndicator->setVisible(playing);
    if (playing)
        FrameIndicator->setText(
            mText("PreviewFrame").arg(shown).arg(std::min<std::size_t>(g->FrameCount, g->Frames.size())));
}

} // namespace editor
