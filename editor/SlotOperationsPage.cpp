#include "SlotOperationsPage.h"

#include "ActionLink.h"
#include "ControlText.h"
#include "EditorDocument.h"
#include "ErrorBox.h"
#include "GridGeometry.h"
#include "model/FrameOperations.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace editor {

SlotOperationsPage::SlotOperationsPage(EditorDocument &document, TextOf text, CommandOf command)
    : mDocument(document), mText(std::move(text)), mCommand(std::move(command))
{
    setObjectName(QStringLiteral("TabSheet1"));
    auto *grid = new QGridLayout(this);
    ElName = label("ElName", "");
    QFont bold = ElName->font();
    bold.setBold(true);
    ElName->setFont(bold);
    grid->addWidget(ElName, 0, 0, 1, 2);

    Button9 = button("Button9");
    Button4 = button("Button4");
    Button7 = button("Button7");
    Button13 = button("Button13");
    int row = 1;
    for (auto [b, name] : {std::pair{Button9, "AAddAllFrames"}, std::pair{Button4, "ADelAllFrames"},
                           std::pair{Button7, "AClearAllFrames"}, std::pair{Button13, "ACopyAllFrames"}}) {
        linkToAction(b, mCommand(name));
        grid->addWidget(b, row++, 0);
    }
    Label14 = label("Label14", "Copy to");
    ComboBox3 = named(new QComboBox, "ComboBox3");
    // The caption stands above the list: beside it, the two need more room than the buttons.
    auto *copyTo = new QVBoxLayout;
    copyTo->setSpacing(2);
    copyTo->addWidget(Label14);
    copyTo->addWidget(ComboBox3);
    grid->addLayout(copyTo, 5, 0);

    GroupBox4 = group("GroupBox4", "Ритм-подсветка");
    auto *g4 = new QVBoxLayout(GroupBox4);
    Label8 = label("Label8", "Верхняя частота звука");
    SpinEdit3 = spinEdit("SpinEdit3", 0, 65535, 100);
    Label12 = label("Label12", "Нижняя частота звука");
    SpinEdit4 = spinEdit("SpinEdit4", 0, 65535, 100);
    SpinEdit3->setEnabled(false);
    SpinEdit4->setEnabled(false);
    for (QWidget *w : std::initializer_list<QWidget *>{Label8, SpinEdit3, Label12, SpinEdit4})
        g4->addWidget(w);
    g4->addStretch();
    grid->addWidget(GroupBox4, 1, 1, 5, 1);

    connect(ComboBox3, &QComboBox::activated, this, [this] { runGuarded(this, [this] { ComboBox3Change(); }); });
    connect(SpinEdit3, &QSpinBox::valueChanged, this, [this] {
        runGuarded(this, [this] { pushFrequency<&model::TClubFrame::UpperFrequency>(SpinEdit3, MergeUpperFrequency); });
    });
    connect(SpinEdit4, &QSpinBox::valueChanged, this, [this] {
        runGuarded(this, [this] { pushFrequency<&model::TClubFrame::LowerFrequency>(SpinEdit4, MergeLowerFrequency); });
    });
}

void SlotOperationsPage::setElementNames(const QStringList &names)
{
    mElementNames = names;
    const QSignalBlocker block(ComboBox3);
    ComboBox3->clear();
    ComboBox3->addItems(names);
}

void SlotOperationsPage::showElement(int row)
{
    if (row < 0 || row >= ElementRows)
        return;
    model::TDocument &doc = mDocument.position();
    ElName->setText(row < mElementNames.size() ? mElementNames[row] : QString());
    doc.CurrentElement = std::uint8_t(row + 1);
    doc.CopyTargetElement = std::uint8_t(row + 1);
    {
        const QSignalBlocker block(ComboBox3);
        ComboBox3->setCurrentIndex(row < ComboBox3->count() ? row : -1);
    }
    const model::TGlowshow *g = doc.current();
    const std::uint8_t channel = doc.FindEntry(doc.CurrentElement, 0);
    const bool frequencies = g && g->Kind == model::KindRhythm && channel < g->Channels.size();
    SpinEdit3->setEnabled(frequencies);
    SpinEdit4->setEnabled(frequencies);
    const QSignalBlocker b3(SpinEdit3), b4(SpinEdit4);
    SpinEdit3->setValue(frequencies ? g->Channels[channel].UpperFrequency : 0);
    SpinEdit4->setValue(frequencies ? g->Channels[channel].LowerFrequency : 0);
}

void SlotOperationsPage::ComboBox3Change()
{
    const int index = ComboBox3->currentIndex();
    if (index >= 0 && index < ElementRows)
        mDocument.position().CopyTargetElement = std::uint8_t(index + 1);
}

template <auto Field> void SlotOperationsPage::pushFrequency(const QSpinBox *edit, int mergeId)
{
    model::TDocument &doc = mDocument.position();
    const auto frequency = std::uint16_t(edit->value());
    const model::TGlowshow *g = doc.current();
    const std::uint8_t channel = doc.FindEntry(doc.CurrentElement, 0);
    if (g && g->Kind == model::KindRhythm && channel < g->Channels.size() && g->Channels[channel].*Field != frequency)
        mDocument.push(model::SetChannelValue<Field>{doc.CurrentGlowshow, doc.CurrentElement, frequency},
                       mText("StepFrequency"), mergeId);
}

void SlotOperationsPage::editCurrentGlowshow(const char *command, const std::function<void(model::TGlowshow &)> &change)
{
    const model::TDocument &doc = mDocument.content();
    const model::TGlowshow *g = doc.current();
    if (!mDocument.isLoaded() || !g)
        return;
    model::TGlowshow changed = *g;
    change(changed);
    if (!(changed == *g))
        mDocument.push(model::ReplaceGlowshow{doc.CurrentGlowshow, doc.CurrentElement, std::move(changed)},
                       stepName(mCommand(command)));
}

void SlotOperationsPage::AAddAllFrames()
{
    const std::uint8_t element = mDocument.content().CurrentElement;
    editCurrentGlowshow("AAddAllFrames", [element](model::TGlowshow &c) { model::addElementToAllFrames(c, element); });
}

void SlotOperationsPage::ADelAllFrames()
{
    const std::uint8_t element = mDocument.content().CurrentElement;
    editCurrentGlowshow("ADelAllFrames",
                        [element](model::TGlowshow &c) { model::removeElementFromAllFrames(c, element); });
}

void SlotOperationsPage::AClearAllFrames()
{
    const std::uint8_t element = mDocument.content().CurrentElement;
    editCurrentGlowshow("AClearAllFrames",
                        [element](model::TGlowshow &c) { model::clearElementInAllFrames(c, element); });
}

void SlotOperationsPage::ACopyAllFrames()
{
    const std::uint8_t element = mDocument.content().CurrentElement;
    const std::uint8_t target = mDocument.content().CopyTargetElement;
    editCurrentGlowshow("ACopyAllFrames",
                        [element, target](model::TGlowshow &c) { model::copyElementInAllFrames(c, element, target); });
}

} // namespace editor
