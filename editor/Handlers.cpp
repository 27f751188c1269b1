#include "Unit1.h"

#include "GridWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>

#include "ErrorBox.h"

namespace editor {

// Turns the controls' signals into the window's change handlers. Combo boxes and the glowshow
// lists answer only the user's choices (code selects through signal blockers); spin edits,
// check boxes, radio buttons and track bars answer every real change of their value.
void TMForm::connectHandlers()
{
    auto guarded = [this](auto handler) {
        return [this, handler](auto &&...) { runGuarded(this, [this, handler] { (this->*handler)(); }); };
    };

    connect(ComboBox1, &QComboBox::activated, this, guarded(&TMForm::ComboBox1Change));
    connect(ComboBox2, &QComboBox::activated, this, guarded(&TMForm::ComboBox2Change));
    connect(ComboBox3, &QComboBox::activated, this, guarded(&TMForm::ComboBox3Change));
    connect(ComboBox4, &QComboBox::activated, this, guarded(&TMForm::ComboBox4Change));
    connect(ListBox1, &QListWidget::currentRowChanged, this, guarded(&TMForm::ListBox1Click));

    connect(RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runGuarded(this, [this] { RadioButton1Click(); });
    });
    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            runGuarded(this, [this] { RadioButton2Click(); });
    });
    // Typing "12" must not first cut the glowshow to one frame: the count applies when the
    // typed number is complete (Enter or leaving the field), the arrows apply at once.
    SpinEdit5->setKeyboardTracking(false);
    connect(SpinEdit5, &QSpinBox::valueChanged, this, guarded(&TMForm::SpinEdit5Change));
    // A glowshow without columns shows 1: confirming that 1 gives it its first column.
    connect(SpinEdit5, &QSpinBox::editingFinished, this, [this] {
        if (const model::TGlowshow *g = Document.current(); g && model::columnCount(*g) == 0)
            runGuarded(this, [this] { SpinEdit5Change(); });
    });
    connect(CheckBox1, &QCheckBox::toggled, this, guarded(&TMForm::CheckBox1Click));
    connect(SpinEdit1, &QSpinBox::valueChanged, this, guarded(&TMForm::SpinEdit1Change));
    connect(SpinEdit2, &QSpinBox::valueChanged, this, guarded(&TMForm::SpinEdit2Change));
    connect(SpinEdit3, &QSpinBox::valueChanged, this, guarded(&TMForm::SpinEdit3Change));
    connect(SpinEdit4, &QSpinBox::valueChanged, this, guarded(&TMForm::SpinEdit4Change));
    connect(CheckBox3, &QCheckBox::toggled, this, guarded(&TMForm::CheckBox3Click));
    connect(Edit1, &QLineEdit::textChanged, this, guarded(&TMForm::Edit1Change));
    connect(Memo1, &QPlainTextEdit::textChanged, this, guarded(&TMForm::Memo1Change));
    connect(TrackBar1, &QSlider::valueChanged, this, guarded(&TMForm::TrackBar1Change));
    connect(TrackBar2, &QSlider::valueChanged, this, guarded(&TMForm::TrackBar2Change));
    connect(TrackBar3, &QSlider::valueChanged, this, guarded(&TMForm::TrackBar3Change));

    connect(EditGrid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                runGuarded(this, [this, current] {
                    EditGridSelectCell(current.isValid() ? current.column() : -1,
                                       current.isValid() ? current.row() : -1);
                });
            });
    connect(SlotGrid, &QTableWidget::currentCellChanged, this, [this](int row, int column) {
        if (row >= 0)
            runGuarded(this, [=, this] { SlotGridSelectCell(column, row); });
    });
}

} // namespace editor
