#include "EffectsDialog.h"

#include "ColourButton.h"
#include "EffectPreview.h"
#include "effects/EffectText.h"
#include "profiles/Profile.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>
#include <climits>

namespace editor {

namespace {

using effects::Effect;
using effects::Key;

constexpr std::array<const char *, effects::EffectCount> EffectKeys = {
    "EffectSolid",   "EffectGradient", "EffectPulse",   "EffectBlink",     "EffectChase",
    "EffectRainbow", "EffectTwinkle",  "EffectFlicker", "EffectHeartbeat", "EffectWash"};

const std::array<model::Colour, 8> StartColours = {
    {{15, 0, 0}, {0, 0, 15}, {0, 15, 0}, {15, 15, 0}, {0, 15, 15}, {15, 0, 15}, {15, 15, 15}, {0, 0, 0}}};

effects::Ease easeOf(const effects::EffectParameters &p)
{
    return p.ease.value_or(p.effect == Effect::Pulse ? effects::Ease::InOut : effects::Ease::Linear);
}

bool readsStops(Effect effect)
{
    return effect == Effect::Gradient || effect == Effect::Wash;
}

} // namespace

QString EffectsDialog::effectCaption(Effect effect, const Texts &text)
{
    return text(EffectKeys[std::size_t(effect)]);
}

EffectsDialog::EffectsDialog(const EffectsScope &scope, settings::SettingsStore &settings, Texts text, QWidget *parent)
    : QDialog(parent), mScope(scope), mSettings(settings), mText(std::move(text))
{
    setObjectName(QStringLiteral("EffectsDialog"));
    setWindowTitle(mText("EffectsTitle"));
    mScratch.Glowshows.resize(1);
    mScratch.GlowFile.GlowshowCount = 1;

    mPreview = new EffectPreview(scope.profile, scope.images);
    mPreview->setObjectName(QStringLiteral("EffectPreview"));
    mPreview->setMinimumSize(200, 240);

    auto *middle = new QVBoxLayout;
    middle->addWidget(buildParameters());
    middle->addWidget(buildFrames());
    middle->addStretch(1);
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildPresets());
    columns->addLayout(middle);
    columns->addWidget(mPreview, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("EffectsApply"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("EffectsCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &EffectsDialog::accepted);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    effects::EffectParameters start;
    start.effect = Effect::Gradient;
    start.colours = {StartColours[0], StartColours[1]};
    setParameters(start);
}

EffectsDialog::~EffectsDialog() = default;

QWidget *EffectsDialog::buildPresets()
{
    auto *box = new QWidget;
    auto *layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    mKinds = new QListWidget;
    mKinds->setObjectName(QStringLiteral("EffectKind"));
    for (int i = 0; i < effects::EffectCount; ++i)
        mKinds->addItem(effectCaption(Effect(i), mText));
    connect(mKinds, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && !mFilling)
            showRowsOf(Effect(row));
        refresh();
    });
    mPresetList = new QListWidget;
    mPresetList->setObjectName(QStringLiteral("EffectPresets"));
    connect(mPresetList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { presetChosen(mPresetList->row(item)); });
    connect(mPresetList, &QListWidget::currentRowChanged, this, [this](int row) {
        mDeletePreset->setEnabled(row >= 0 && std::size_t(row) < mPresets.size() &&
                                  !mPresets[std::size_t(row)].builtIn);
    });
    auto *save = new QPushButton(mText("SavePreset"));
    save->setObjectName(QStringLiteral("EffectSavePreset"));
    connect(save, &QPushButton::clicked, this, &EffectsDialog::savePreset);
    mDeletePreset = new QPushButton(mText("DeletePreset"));
    mDeletePreset->setObjectName(QStringLiteral("EffectDeletePreset"));
    mDeletePreset->setEnabled(false);
    connect(mDeletePreset, &QPushButton::clicked, this, &EffectsDialog::deletePreset);
    layout->addWidget(mKinds, 3);
    layout->addWidget(new QLabel(mText("EffectPresets")));
    layout->addWidget(mPresetList, 2);
    auto *presetButtons = new QHBoxLayout;
    presetButtons->addWidget(save);
    presetButtons->addWidget(mDeletePreset);
    layout->addLayout(presetButtons);
    listPresets();
    return box;
}

QWidget *EffectsDialog::buildParameters()
{
    auto *box = new QGroupBox;
    mForm = new QFormLayout(box);
    const auto spin = [this](const char *name, int low, int high) {
        auto *s = new QSpinBox;
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(low, high);
        connect(s, &QSpinBox::valueChanged, this, &EffectsDialog::refresh);
        return s;
    };
    const auto combo = [this](const char *name, std::initializer_list<const char *> keys) {
        auto *c = new QComboBox;
        c->setObjectName(QString::fromLatin1(name));
        for (const char *key : keys)
            c->addItem(mText(key));
        connect(c, &QComboBox::currentIndexChanged, this, &EffectsDialog::refresh);
        return c;
    };
    mColourRow = new QWidget;
    auto *colours = new QHBoxLayout(mColourRow);
    colours->setContentsMargins(0, 0, 0, 0);
    mStops = spin("EffectStops", 2, int(mColours.size()));
    mStops->setToolTip(mText("EffectStops"));
    connect(mStops, &QSpinBox::valueChanged, this, [this] {
        if (!mFilling)
            showRowsOf(parameters().effect);
    });
    colours->addWidget(mStops);
    for (std::size_t i = 0; i < mColours.size(); ++i) {
        mColours[i] = new ColourButton;
        mColours[i]->setObjectName(QStringLiteral("EffectColour%1").arg(i + 1));
        mColours[i]->setColour(StartColours[i]);
        connect(mColours[i], &ColourButton::colourChanged, this, &EffectsDialog::refresh);
        colours->addWidget(mColours[i]);
    }
    colours->addStretch(1);
    mCycles = spin("EffectCycles", 1, 1000);
    mDuty = spin("EffectDuty", 0, 100);
    mWidth = spin("EffectWidth", 1, 6);
    mDirection = combo("EffectDirection", {"DirectionForward", "DirectionBackward", "DirectionBounce"});
    mBlend = combo("EffectBlend", {"BlendRgb", "BlendHsv", "BlendHsvLong"});
    mEase = combo("EffectEase", {"EaseLinear", "EaseIn", "EaseOut", "EaseInOut"});
    mSpread = spin("EffectSpread", -360, 360);
    mDensity = spin("EffectDensity", 0, 100);
    mLow = spin("EffectLow", 0, 100);
    mSeed = spin("EffectSeed", 0, INT_MAX);
    // In the order of effects::Key.
    const std::pair<const char *, QWidget *> rows[] = {
        {"EffectColours", mColourRow},   {"EffectCycles", mCycles}, {"EffectDuty", mDuty}, {"EffectWidth", mWidth},
        {"EffectDirection", mDirection}, {"EffectBlend", mBlend},   {"EffectEase", mEase}, {"EffectSpread", mSpread},
        {"EffectDensity", mDensity},     {"EffectLow", mLow},       {"EffectSeed", mSeed}};
    for (const auto &[key, field] : rows)
        mForm->addRow(mText(key), field);
    return box;
}

QWidget *EffectsDialog::buildFrames()
{
    const model::TGlowshow *g = mScope.document.glowshow(mScope.glowshow);
    const int count = g ? model::columnCount(*g) : 0;
    const bool rhythm = g && g->Kind == model::KindRhythm;
    auto *box = new QGroupBox;
    auto *form = new QFormLayout(box);
    mSelectedFrames = new QRadioButton(mText("EffectRangeFrames")
                                           .arg(mScope.firstColumn + 1)
                                           .arg(std::max(mScope.lastColumn, mScope.firstColumn) + 1));
    mSelectedFrames->setObjectName(QStringLiteral("EffectSelectedFrames"));
    mNewFrames = new QRadioButton(mText("EffectNewFrames"));
    mNewFrames->setObjectName(QStringLiteral("EffectNewFrames"));
    mNewCount = new QSpinBox;
    mNewCount->setObjectName(QStringLiteral("EffectNewCount"));
    mNewCount->setRange(1, std::max(model::MaxCount - count, 1));
    mNewCount->setValue(std::min(8, mNewCount->maximum()));
    mNewDuration = new QSpinBox;
    mNewDuration->setObjectName(QStringLiteral("EffectNewDuration"));
    mNewDuration->setRange(0, 65535);
    mNewDuration->setSingleStep(50);
    mNewDuration->setValue(100);
    mNewDuration->setEnabled(!rhythm);
    const bool hasRange = mScope.lastColumn >= mScope.firstColumn && count > 0;
    mSelectedFrames->setEnabled(hasRange);
    mNewFrames->setEnabled(count < model::MaxCount);
    (hasRange ? mSelectedFrames : mNewFrames)->setChecked(true);
    for (QSpinBox *s : {mNewCount, mNewDuration})
        connect(s, &QSpinBox::valueChanged, this, &EffectsDialog::refresh);
    connect(mNewFrames, &QRadioButton::toggled, this, &EffectsDialog::refresh);
    auto *newRow = new QHBoxLayout;
    newRow->addWidget(mNewCount);
    newRow->addWidget(new QLabel(mText("EffectNewDuration")));
    newRow->addWidget(mNewDuration);
    form->addRow(mSelectedFrames);
    form->addRow(mNewFrames);
    form->addRow(newRow);
    return box;
}

void EffectsDialog::showRowsOf(Effect effect)
{
    const std::vector<Key> keys = effects::keysOf(effect);
    for (int k = 0; k < mForm->rowCount(); ++k)
        mForm->setRowVisible(k, std::find(keys.begin(), keys.end(), Key(k)) != keys.end());
    effects::EffectParameters p;
    p.effect = effect;
    p.colours.resize(std::size_t(mStops->value()));
    mStops->setVisible(readsStops(effect));
    const std::size_t shown = effects::coloursRead(p);
    for (std::size_t i = 0; i < mColours.size(); ++i)
        mColours[i]->setVisible(i < shown);
}

effects::EffectParameters EffectsDialog::parameters() const
{
    effects::EffectParameters p;
    p.effect = Effect(std::clamp(mKinds->currentRow(), 0, effects::EffectCount - 1));
    const int colours = readsStops(p.effect) ? mStops->value() : 2;
    for (int i = 0; i < colours; ++i)
        p.colours.push_back(mColours[std::size_t(i)]->colour());
    p.cycles = mCycles->value();
    p.duty = mDuty->value();
    p.width = mWidth->value();
    p.direction = effects::Direction(mDirection->currentIndex());
    p.blend = effects::Blend(mBlend->currentIndex());
    p.ease = effects::Ease(mEase->currentIndex());
    p.spread = mSpread->value();
    p.density = mDensity->value();
    p.low = mLow->value();
    p.seed = std::uint64_t(mSeed->value());
    return p;
}

void EffectsDialog::setParameters(const effects::EffectParameters &p)
{
    mFilling = true;
    const QSignalBlocker block(mKinds);
    mKinds->setCurrentRow(int(p.effect));
    for (std::size_t i = 0; i < std::max<std::size_t>(p.colours.size(), 2) && i < mColours.size(); ++i)
        mColours[i]->setColour(effects::effectColour(p, i));
    mStops->setValue(int(std::clamp<std::size_t>(p.colours.size(), 2, mColours.size())));
    mCycles->setValue(p.cycles);
    mDuty->setValue(p.duty);
    mWidth->setValue(p.width);
    mDirection->setCurrentIndex(int(p.direction));
    mBlend->setCurrentIndex(int(p.blend));
    mEase->setCurrentIndex(int(easeOf(p)));
    mSpread->setValue(p.spread);
    mDensity->setValue(p.density);
    mLow->setValue(p.low);
    mSeed->setValue(int(std::min<std::uint64_t>(p.seed, INT_MAX)));
    showRowsOf(p.effect);
    mFilling = false;
    refresh();
}

effects::EffectTarget EffectsDialog::target() const
{
    const model::TGlowshow *g = mScope.document.glowshow(mScope.glowshow);
    effects::EffectTarget t;
    t.glowshow = mScope.glowshow;
    t.elements = mScope.elements;
    for (int e = 1; e <= 6; ++e)
        t.onOff[std::size_t(e - 1)] = mScope.profile.ElementColors[e] >= 0;
    if (mNewFrames->isChecked()) {
        t.insert = true;
        t.firstColumn = g && model::columnCount(*g) > 0 ? mScope.currentColumn + 1 : 0;
        t.columns = mNewCount->value();
        t.newDuration = std::uint16_t(mNewDuration->value());
    } else {
        t.firstColumn = mScope.firstColumn;
        t.columns = mScope.lastColumn - mScope.firstColumn + 1;
    }
    return t;
}

// The preview plays the copy with the effect; the document itself is not touched.
void EffectsDialog::refresh()
{
    if (mFilling)
        return;
    const model::TGlowshow *g = mScope.document.glowshow(mScope.glowshow);
    if (!g)
        return;
    mScratch.Glowshows[0] = *g;
    effects::EffectTarget t = target();
    t.glowshow = 0;
    if (std::optional<model::SpliceColumns> edit = effects::effectEdit(mScratch, t, parameters()))
        edit->apply(mScratch);
    mPreview->play(std::move(mScratch.Glowshows[0]), t.firstColumn, t.columns, t.elements);
}

void EffectsDialog::accepted()
{
    mEdit = effects::effectEdit(mScope.document, target(), parameters());
    accept();
}

QString EffectsDialog::stepName() const
{
    return effectCaption(parameters().effect, mText);
}

void EffectsDialog::listPresets()
{
    mPresets = builtInPresets(mText);
    for (EffectPreset &p : readPresets(mSettings))
        mPresets.push_back(std::move(p));
    const QSignalBlocker block(mPresetList);
    mPresetList->clear();
    for (const EffectPreset &p : mPresets)
        mPresetList->addItem(p.name);
    mDeletePreset->setEnabled(false);
}

void EffectsDialog::presetChosen(int row)
{
    if (row < 0 || std::size_t(row) >= mPresets.size())
        return;
    if (const auto p = effects::parseEffectText(mPresets[std::size_t(row)].effect))
        setParameters(*p);
}

void EffectsDialog::savePreset()
{
    QInputDialog ask(this);
    ask.setObjectName(QStringLiteral("PresetNameDialog"));
    ask.setWindowTitle(mText("SavePreset"));
    ask.setLabelText(mText("PresetName"));
    ask.setTextValue(effectCaption(parameters().effect, mText));
    if (ask.exec() != QDialog::Accepted)
        return;
    const QString name = ask.textValue().simplified();
    if (name.isEmpty())
        return;
    std::vector<EffectPreset> own = readPresets(mSettings);
    const std::string effect = effects::effectText(parameters());
    auto same = std::find_if(own.begin(), own.end(), [&name](const EffectPreset &p) { return p.name == name; });
    if (same != own.end())
        same->effect = effect;
    else
        own.push_back({name, effect, false});
    savePresets(mSettings, own);
    listPresets();
    const QList<QListWidgetItem *> found = mPresetList->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty())
        mPresetList->setCurrentItem(found.back());
}

void EffectsDialog::deletePreset()
{
    const int row = mPresetList->currentRow();
    if (row < 0 || std::size_t(row) >= mPresets.size() || mPresets[std::size_t(row)].builtIn)
        return;
    std::vector<EffectPreset> own;
    for (std::size_t i = 0; i < mPresets.size(); ++i)
        if (!mPresets[i].builtIn && i != std::size_t(row))
            own.push_back(mPresets[i]);
    savePresets(mSettings, own);
    listPresets();
}

} // namespace editor
