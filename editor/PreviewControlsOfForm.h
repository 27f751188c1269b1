#pragma once

#include "ControlText.h"
#include "Unit1.h"
#include "preview/DXDraw.h"
#include "preview/Playback.h"

#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSlider>

namespace editor {

// The controls playback reads and changes, as the playback logic sees them.
class TMForm::PreviewControlsOfForm : public preview::PreviewControls {
public:
    explicit PreviewControlsOfForm(TMForm &form) : mForm(form) {}
    std::string button15Caption() const override { return captionSource(mForm.Button15->text()); }
    void setButton15Caption(const std::string &caption) override { mForm.Button15->setText(captionText(caption)); }
    void setEditingEnabled(bool enabled) override
    {
        mForm.Tab1->setEnabled(enabled);
        mForm.Tab2->setEnabled(enabled);
        mForm.ListBox2->setEnabled(enabled);
        mForm.File2->setEnabled(enabled);
        mForm.File2->menuAction()->setEnabled(enabled);
        // The document must not change under a playing preview.
        mForm.mEditingAllowed = enabled;
        mForm.updateUndoActions();
    }
    int trackBar4Position() const override { return mForm.TrackBar4->value(); }
    void showDXDraw() override { mForm.DXDraw->show(); }
    bool documentLoaded() const override { return mForm.DocumentLoaded; }

private:
    TMForm &mForm;
};

} // namespace editor
