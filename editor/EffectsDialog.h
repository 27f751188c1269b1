#pragma once

#include "EffectPresets.h"
#include "effects/ApplyEffect.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>
#include <string_view>

class QComboBox;
class QFormLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace preview {
class ImageList;
}
namespace profiles {
struct TProfile;
}
namespace settings {
class SettingsStore;
}

namespace editor {

class ColourButton;
class EffectPreview;

// What the effects dialog works on; it reads them and changes none.
struct EffectsScope {
    const model::TDocument &document;
    int glowshow = 0;
    // The selected frames (or steps); with nothing selected, every frame.
    int firstColumn = 0, lastColumn = -1;
    std::vector<std::uint8_t> elements; // the selected rows, or every shown element
    int currentColumn = 0;              // new frames go after it
    const profiles::TProfile &profile;
    const preview::ImageList &images;
};

// Edit > Effects...: chooses an effect and its parameters while a preview plays the range with
// it, on a copy; OK (EffectsApply) leaves one edit to push, Cancel nothing.
class EffectsDialog : public QDialog {
    Q_OBJECT
public:
    using Texts = std::function<QString(std::string_view)>;
    EffectsDialog(const EffectsScope &scope, settings::SettingsStore &settings, Texts text, QWidget *parent = nullptr);
    ~EffectsDialog() override;

    effects::EffectParameters parameters() const;
    void setParameters(const effects::EffectParameters &parameters);
    effects::EffectTarget target() const;

    // After OK: the edit of the document and the step's name (the effect's). None after Cancel
    // or when the effect changes nothing.
    const std::optional<model::SpliceColumns> &edit() const { return mEdit; }
    QString stepName() const;

    EffectPreview *preview() const { return mPreview; }

    // The effect names in the current language, in Effect order.
    static QString effectCaption(effects::Effect effect, const Texts &text);

private:
    QWidget *buildParameters();
    QWidget *buildFrames();
    QWidget *buildPresets();
    void showRowsOf(effects::Effect effect);
    void refresh();
    void accepted();
    void presetChosen(int row);
    void savePreset();
    void deletePreset();
    void listPresets();

    const EffectsScope mScope;
    settings::SettingsStore &mSettings;
    Texts mText;
    model::TDocument mScratch; // the glowshow copied afresh for each change, the effect applied for the preview
    std::optional<model::SpliceColumns> mEdit;
    std::vector<EffectPreset> mPresets;

    QListWidget *mKinds, *mPresetList;
    QPushButton *mDeletePreset;
    QFormLayout *mForm;
    QSpinBox *mStops, *mCycles, *mDuty, *mWidth, *mSpread, *mDensity, *mLow, *mSeed, *mNewCount, *mNewDuration;
    QComboBox *mDirection, *mBlend, *mEase;
    QWidget *mColourRow;
    std::array<ColourButton *, 8> mColours;
    QRadioButton *mSelectedFrames, *mNewFrames;
    EffectPreview *mPreview;
    bool mFilling = true; // controls are being built or filled: no refresh
};

} // namespace editor
