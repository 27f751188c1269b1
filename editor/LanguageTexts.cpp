// The window's captions: a language's texts applied to all three windows, and the editor's own
// texts that follow the language chosen.
#include "Unit1.h"

#include "EditPage.h"

#include "GlowshowPage.h"
#include "PreviewPage.h"
#include "SelectedFramePage.h"
#include "SetupPage.h"
#include "SlotOperationsPage.h"

#include "AboutForm.h"
#include "ControlText.h"
#include "EditorTexts.h"
#include "Unit2.h"
#include "settings/LanguageFile.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <functional>
#include <utility>

namespace editor {

void TMForm::applyLanguageTexts(const settings::LanguageTexts &texts)
{
    using Apply = std::function<void(const QString &)>;
    auto tab = [](QTabWidget *pages, QWidget *page) {
        return [pages, page](const QString &t) { pages->setTabText(pages->indexOf(page), t); };
    };
    auto action = [](QAction *a) { return [a](const QString &t) { a->setText(t); }; };
    auto box = [](QGroupBox *g) { return [g](const QString &t) { g->setTitle(t); }; };
    auto text = [](auto *w) { return [w](const QString &t) { w->setText(t); }; };
    auto labelText = [](QLabel *l) { return [l](const QString &t) { l->setText(t); }; };

    // Key sN feeds every target in row N - 1; a missing key blanks them.
    const std::array<std::vector<Apply>, settings::StringCount> targets{{
        {[this](const QString &t) { menu("File2")->setTitle(t); }},
        {action(command("ANewFile"))},
        {action(command("AOpenFile"))},
        {action(command("ASave"))},
        {action(command("ASaveAs"))},
        {action(command("AExit"))},
        {[this](const QString &t) { menu("Help1")->setTitle(t); }},
        {action(command("AShowAbout")),
         [this](const QString &t) {
             if (AForm)
                 AForm->setWindowTitle(QString(t).remove(QLatin1Char('&')));
         }},
        {tab(PageControl1, mSetup)},
        {box(mSetup->GroupBox1)},
        {labelText(mSetup->Label1)},
        {labelText(mSetup->Label2)},
        {box(mSetup->GroupBox2)},
        {text(mSetup->CheckBox2)},
        {tab(PageControl1, mEdit)},
        {tab(mEdit->PageControl2, mEdit->glowshows)},
        {tab(mEdit->PageControl2, mEdit->slotOperations)},
        {tab(mEdit->PageControl2, mEdit->selectedFrame)},
        {labelText(mEdit->glowshows->Label7)},
        {box(mEdit->glowshows->GroupBox7)},
        {text(mEdit->glowshows->RadioButton1)},
        {text(mEdit->glowshows->RadioButton2)},
        {box(mEdit->glowshows->GroupBox8)},
        {labelText(mEdit->glowshows->Label13)},
        {text(mEdit->glowshows->CheckBox1), text(mPreview->CheckBox4)},
        {box(mEdit->glowshows->GroupBox5)},
        {action(command("AAddNewGlow"))},
        {action(command("AGlowCopy"))},
        {action(command("ADelGlow"))},
        {action(command("AAddAllFrames"))},
        {action(command("ADelAllFrames"))},
        {box(mEdit->slotOperations->GroupBox4)},
        {labelText(mEdit->slotOperations->Label8)},
        {labelText(mEdit->slotOperations->Label12)},
        {box(mEdit->selectedFrame->GroupBox6)},
        {labelText(mEdit->selectedFrame->Label3)},
        {action(command("AMakePrevCol"))},
        {box(mEdit->selectedFrame->GroupBox3)},
        {action(command("AAddNewFrame"))},
        {action(command("ADelFrame"))},
        {labelText(mEdit->Label6)},
        {labelText(mEdit->Label5)},
        {[this](const QString &t) { CurrentProfile.RhythmSuffix = captionSource(t); }},
        {box(mEdit->selectedFrame->GroupBox9)},
        {action(command("AMakeOn_Off"))},
        {action(command("AClearAllFrames"))},
        {action(command("ACopyAllFrames"))},
        {labelText(mEdit->slotOperations->Label14)},
        {action(command("ARegisterPAT"))},
        {tab(PageControl1, mPreview)},
        {text(mPreview->Button15), [this](const QString &t) { CurrentProfile.PlayCaption = captionSource(t); }},
        {box(mSetup->GroupBox10)},
        {text(mSetup->CheckBox3)},
        {labelText(mSetup->Label16)},
        {labelText(mSetup->Label19)},
        {labelText(mPreview->Label15)},
        {[this](const QString &t) { CurrentProfile.StopCaption = captionSource(t); }},
    }};
    for (int n = 1; n <= settings::StringCount; ++n)
        for (const Apply &apply : targets[std::size_t(n - 1)])
            apply(captionText(texts.s(n)));

    *mTexts = texts;
    for (const auto &[key, apply] : mCaptions)
        apply(captionText(uiText(key).toStdString()));

    if (SForm) {
        SForm->setWindowTitle(QString::fromStdString(texts.d(1)));
        SForm->Label1->setText(QString::fromStdString(texts.d(2)));
        SForm->Button1->setText(captionText(texts.d(3)));
        SForm->Button2->setText(captionText(texts.d(4)));
        SForm->Button3->setText(captionText(texts.d(5)));
        SForm->fitToCaptions();
    }
    fitToCaptions();
}

QString TMForm::uiText(std::string_view key) const
{
    return editorText(*mTexts, key);
}

void TMForm::addCaption(std::string_view key, std::function<void(const QString &)> apply)
{
    apply(captionText(uiText(key).toStdString()));
    mCaptions.emplace_back(std::string(key), std::move(apply));
}

} // namespace editor
