#pragma once

#include "EditorTexts.h"
#include "PageWidgets.h"

#include <QWidget>

#include <functional>

class QComboBox;

namespace model {
struct TGlowshow;
}

namespace editor {

class EditorDocument;

// The "Slot operations" page: one element of the glowshow across all its frames (add,
// remove, clear, copy to another element) and a rhythm channel's sound band.
class SlotOperationsPage : public QWidget {
    Q_OBJECT
public:
    SlotOperationsPage(EditorDocument &document, TextOf text, CommandOf command);

    // The element names of the chosen profile, as the copy target list offers them.
    void setElementNames(const QStringList &names);
    // Makes the element of this grid row the current one and shows its values.
    void showElement(int row);

    // The commands of the page's buttons; each is one step.
    void AAddAllFrames();
    void ADelAllFrames();
    void AClearAllFrames();
    void ACopyAllFrames();

    QLabel *ElName, *Label14, *Label8, *Label12;
    QPushButton *Button9, *Button4, *Button7, *Button13;
    QComboBox *ComboBox3;
    QGroupBox *GroupBox4;
    QSpinBox *SpinEdit3, *SpinEdit4;

private:
    void ComboBox3Change();
    // Sets a frequency of the current element's channel as a step when it differs.
    template <auto Field> void pushFrequency(const QSpinBox *edit, int mergeId);
    // Replaces the current glowshow by `change` applied to a copy, as one step when it differs.
    void editCurrentGlowshow(const char *command, const std::function<void(model::TGlowshow &)> &change);

    EditorDocument &mDocument;
    TextOf mText;
    CommandOf mCommand;
    QStringList mElementNames;
};

} // namespace editor
