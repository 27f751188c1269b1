#pragma once

#include "EditorTexts.h"
#include "PageWidgets.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QRadioButton;

namespace profiles {
struct TProfile;
}

namespace editor {

class EditorDocument;

// The glowshow list with its arrows, and the "Glowshow options" page of the glowshow it
// selects: identifier, kind, frame count and repeat. The page is itself; the list is a panel
// the window places beside the pages.
class GlowshowPage : public QWidget {
    Q_OBJECT
public:
    GlowshowPage(EditorDocument &document, const profiles::TProfile &profile, TextOf text, CommandOf command);

    QWidget *listPanel() const { return mListPanel; }

    // New lines for the list and the identifiers, in the chosen language. `keepLines` keeps
    // the lines there are and changes only their texts.
    void setLines(const QStringList &glowshows, const QStringList &ids, bool keepLines = false);
    // Selects a line from code: the user-choice signal does not fire.
    void selectLine(int line);
    int selectedLine() const;
    // The selected glowshow's values; its frame count alone after its columns changed.
    void showProperties();
    void showFrameCount();
    // Nothing selected: nothing can be edited through stale controls.
    void showNoGlowshow();

    // The commands of the arrows and of the copy and delete buttons.
    void AGlowMoveUp();
    void AGlowMoveDown();
    void AGlowCopy();
    void ADelGlow();

    QListWidget *ListBox1;
    QPushButton *Button11, *Button12;
    QLabel *Label7, *Label13;
    QComboBox *ComboBox4;
    QGroupBox *GroupBox7, *GroupBox8, *GroupBox5;
    QRadioButton *RadioButton1, *RadioButton2;
    QSpinBox *SpinEdit5, *SpinEdit1;
    QCheckBox *CheckBox1;
    QPushButton *Button5, *Button10, *Button8;

signals:
    // The user selected the line of this glowshow.
    void glowshowChosen(int glowshow);

private:
    void createList();
    void connectHandlers();
    void ComboBox4Change();
    void kindChosen(std::uint8_t kind);
    void SpinEdit5Change();
    void CheckBox1Click();
    void SpinEdit1Change();

    EditorDocument &mDocument;
    const profiles::TProfile &mProfile;
    TextOf mText;
    CommandOf mCommand;
    QWidget *mListPanel;
};

} // namespace editor
