#pragma once

#include "EditorTexts.h"
#include "PageWidgets.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace editor {

class EditorDocument;

// The "Setup" page: the language and profile choices, the hide option and the file's notes.
// It shows the notes as the document holds them and edits them as steps of its history.
class SetupPage : public QWidget {
    Q_OBJECT
public:
    SetupPage(EditorDocument &document, TextOf text, const CommandOf &command);

    QGroupBox *GroupBox1, *GroupBox2, *GroupBox10;
    QLabel *Label1, *Label2, *Label16, *Label19;
    QComboBox *ComboBox1, *ComboBox2;
    QCheckBox *CheckBox2, *CheckBox3;
    QPushButton *Button14;
    QLineEdit *Edit1;
    QPlainTextEdit *Memo1;

signals:
    // The user chose a line of ComboBox1 or ComboBox2.
    void languageChosen();
    void profileChosen();

private:
    void showNotes();
    void CheckBox3Click();
    void Edit1Change();
    void Memo1Change();

    EditorDocument &mDocument;
    TextOf mText;
    QString mShownMemoText; // what Memo1 showed before the last typing, to go back to
};

} // namespace editor
