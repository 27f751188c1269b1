#include "SetupPage.h"

#include "ActionLink.h"
#include "EditorDocument.h"
#include "ErrorBox.h"
#include "TrailerText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextCursor>
#include <QVBoxLayout>

namespace editor {

SetupPage::SetupPage(EditorDocument &document, TextOf text, const CommandOf &command)
    : mDocument(document), mText(std::move(text))
{
    setObjectName(QStringLiteral("Tab1"));
    auto *page = new QVBoxLayout(this);

    GroupBox1 = group("GroupBox1", "");
    auto *g1 = new QVBoxLayout(GroupBox1);
    Label1 = label("Label1", "Select your language:");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    Label2 = label("Label2", "Select your profile:");
    ComboBox2 = named(new QComboBox, "ComboBox2");
    for (QWidget *w : std::initializer_list<QWidget *>{Label1, ComboBox1, Label2, ComboBox2})
        g1->addWidget(w);

    GroupBox2 = group("GroupBox2", "");
    auto *g2 = new QVBoxLayout(GroupBox2);
    CheckBox2 = named(new QCheckBox(QStringLiteral("Скрывать неиспользуемые элементы ")), "CheckBox2");
    CheckBox2->setChecked(true);
    Button14 = button("Button14");
    linkToAction(Button14, command("ARegisterPAT"));
    g2->addWidget(CheckBox2);
    g2->addWidget(Button14);
    g2->addStretch();

    GroupBox10 = group("GroupBox10", "");
    auto *g10 = new QVBoxLayout(GroupBox10);
    CheckBox3 = named(new QCheckBox, "CheckBox3");
    Label16 = label("Label16", "");
    Edit1 = named(new QLineEdit, "Edit1");
    Label19 = label("Label19", "");
    Memo1 = named(new QPlainTextEdit, "Memo1");
    Memo1->setTabChangesFocus(true);
    for (QWidget *w : std::initializer_list<QWidget *>{CheckBox3, Label16, Edit1, Label19, Memo1})
        g10->addWidget(w);

    auto *top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1);
    top->addWidget(GroupBox2, 1);
    page->addLayout(top);
    page->addWidget(GroupBox10, 1);

    // The lists answer only the user's choices: code selects through signal blockers.
    connect(ComboBox1, &QComboBox::activated, this, [this] { emit languageChosen(); });
    connect(ComboBox2, &QComboBox::activated, this, [this] { emit profileChosen(); });
    connect(CheckBox3, &QCheckBox::toggled, this, [this] { runGuarded(this, [this] { CheckBox3Click(); }); });
    connect(Edit1, &QLineEdit::textChanged, this, [this] { runGuarded(this, [this] { Edit1Change(); }); });
    connect(Memo1, &QPlainTextEdit::textChanged, this, [this] { runGuarded(this, [this] { Memo1Change(); }); });
    connect(&mDocument, &EditorDocument::fileValuesChanged, this, &SetupPage::showNotes);
    connect(&mDocument, &EditorDocument::documentReplaced, this, &SetupPage::showNotes);
}

void SetupPage::showNotes()
{
    const model::TDocument &doc = mDocument.content();
    // The document already holds these values: the change handlers need not run.
    const QSignalBlocker b1(CheckBox3), b2(Edit1), b3(Memo1);
    CheckBox3->setChecked(doc.HasTrailer == 1);
    Edit1->setText(trailerTextToDisplay(doc.TrailerText1));
    Memo1->setPlainText(trailerTextToDisplay(doc.TrailerText2));
    mShownMemoText = Memo1->toPlainText();
}

void SetupPage::CheckBox3Click()
{
    const std::uint8_t checked = CheckBox3->isChecked() ? 1 : 0;
    if (mDocument.content().HasTrailer != checked)
        mDocument.push(model::SetDocumentValue<&model::TDocument::HasTrailer>{checked}, mText("StepNotes"));
}

void SetupPage::Edit1Change()
{
    // The length is one byte in the file: refuse input past 255 bytes.
    const std::string bytes = trailerTextFromDisplay(Edit1->text());
    if (bytes.size() > MaxTrailerBytes) {
        const QSignalBlocker block(Edit1);
        const int cursor = Edit1->cursorPosition();
        Edit1->setText(trailerTextToDisplay(mDocument.content().TrailerText1));
        Edit1->setCursorPosition(std::min(cursor, int(Edit1->text().size())));
        return;
    }
    if (mDocument.content().TrailerText1 != bytes)
        mDocument.push(model::SetDocumentValue<&model::TDocument::TrailerText1>{bytes}, mText("StepFirstNote"),
                       MergeFirstNote);
}

void SetupPage::Memo1Change()
{
    // The length is one byte in the file: refuse input past 255 bytes.
    const QString lines = Memo1->toPlainText();
    const std::string bytes = trailerTextFromDisplay(lines, "\r\n");
    if (bytes.size() > MaxTrailerBytes) {
        const QSignalBlocker block(Memo1);
        Memo1->setPlainText(mShownMemoText);
        Memo1->moveCursor(QTextCursor::End);
        return;
    }
    mShownMemoText = lines;
    if (mDocument.content().TrailerText2 != bytes)
        mDocument.push(model::SetDocumentValue<&model::TDocument::TrailerText2>{bytes}, mText("StepSecondNote"),
                       MergeSecondNote);
}

} // namespace editor
