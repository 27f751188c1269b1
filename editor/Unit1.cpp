#include "Unit1.h"

#include "Accessibility.h"
#include "ActionLink.h"
#include "ControlText.h"
#include "ErrorBox.h"
#include "FileDialogs.h"
#include "GridWidgets.h"
#include "GridZoom.h"
#include "Keyboard.h"
#include "PreviewPage.h"
#include "Recovery.h"
#include "TimelineCommands.h"
#include "preview/Playback.h"
#include "preview/QtDrawingSurface.h"
#include "settings/LanguageFile.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace editor {

namespace {

template <class W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *label(const char *name, const char *text, QWidget *parent = nullptr)
{
    auto *l = named(new QLabel(QString::fromUtf8(text), parent), name);
    l->setTextFormat(Qt::PlainText); // texts come from files: never rich text
    return l;
}

QGroupBox *group(const char *name, const char *title)
{
    return named(new QGroupBox(QString::fromUtf8(title)), name);
}

QPushButton *button(const char *name)
{
    return named(new QPushButton, name);
}

QSpinBox *spinEdit(const char *name, int minimum, int maximum, int step)
{
    auto *s = named(new QSpinBox, name);
    s->setRange(minimum, maximum);
    s->setSingleStep(step);
    return s;
}

QSlider *colourTrackBar(const char *name)
{
    auto *t = named(new QSlider(Qt::Vertical), name);
    t->setRange(0, 15);
    t->setTickInterval(2);
    t->setTickPosition(QSlider::TicksRight);
    // Position 0, the value 15, is at the top, and the up keys move towards it, as on
    // TrackBar4; a vertical slider of its own puts its minimum at the bottom.
    t->setInvertedAppearance(true);
    t->setInvertedControls(true);
    t->setFocusPolicy(Qt::ClickFocus);
    t->setValue(15);
    return t;
}

QLineEdit *valueEdit(const char *name)
{
    auto *e = named(new QLineEdit(QStringLiteral("0")), name);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignCenter);
    e->setMaximumWidth(32);
    return e;
}

} // namespace

TMForm::TMForm(EditorEnvironment environment, QWidget *parent)
    : QMainWindow(parent), Document(mDocument.position()), mEnvironment(std::move(environment)),
      mTexts(std::make_unique<settings::LanguageTexts>()), mHistory(&mDocument.history())
{
    setObjectName(QStringLiteral("MForm"));
    setWindowTitle(QStringLiteral("Orrin's Glowshow Editor 2.1.1"));
    if (!mEnvironment.dialogs) {
        mOwnDialogs = std::make_unique<StandardFileDialogs>();
        mEnvironment.dialogs = mOwnDialogs.get();
    }

    createActions();
    createExportActions();
    createCheckFileAction();
    createImportActions();
    createMenu();
    startRecovery();

    PageControl1 = named(new QTabWidget, "PageControl1");
    setCentralWidget(PageControl1);
    createSetupPage();
    createEditPage();
    createPreviewPage();
    connectHandlers();
    connectDocument();
    Timeline = new TimelineCommands(*this);
    installKeyboard(*this);
    installAccessibility(*this);
    new GridZoom(*this);

    setAcceptDrops(true);
    // Text fields take drops of their own; a dropped file goes to the window instead.
    for (QWidget *w : findChildren<QWidget *>())
        if (w->acceptDrops())
            w->installEventFilter(this);

    fitToCaptions();
}

preview::QtDrawingSurface &TMForm::previewSurface()
{
    return mPreview->surface();
}

void TMForm::fitToCaptions()
{
    // The designed client area below the menu, wider for a language whose captions need it.
    fitMinimumSize(centralWidget(), QSize(669, 485));
}

TMForm::~TMForm()
{
    // Clearing the stack on its way out signals a change: nothing of this window may answer.
    mHistory->stack().blockSignals(true);
    mHistory->blockSignals(true);
    // Closing moves the focus, and an editor losing it still signals (editingFinished) while
    // the widgets go down; its handlers would reach members already destroyed.
    for (QObject *child : findChildren<QObject *>())
        child->blockSignals(true);
}

QAction *TMForm::makeAction(const char *name, bool enabled, void (TMForm::*handler)())
{
    auto *action = named(new QAction(this), name);
    action->setEnabled(enabled);
    mHandlers.emplace(action, [this, handler] { (this->*handler)(); });
    connect(action, &QAction::triggered, this, [this, action] {
        // Disabled commands do nothing, whoever triggers them.
        if (action->isEnabled())
            runGuarded(this, mHandlers.at(action));
    });
    return action;
}

void TMForm::execute(QAction *action)
{
    if (action && action->isEnabled())
        mHandlers.at(action)();
}

void TMForm::createActions()
{
    AOpenFileAction = makeAction("AOpenFile", true, &TMForm::AOpenFile);
    ANewFileAction = makeAction("ANewFile", true, &TMForm::ANewFile);
    ASaveAction = makeAction("ASave", false, &TMForm::ASave);
    ASaveAsAction = makeAction("ASaveAs", false, &TMForm::ASaveAs);
    AExitAction = makeAction("AExit", true, &TMForm::AExit);
    ASearchProfilesAction = makeAction("ASearchProfiles", true, &TMForm::ASearchProfiles);
    ASearchLangsAction = makeAction("ASearchLangs", true, &TMForm::ASearchLangs);
    AUpdateListAction = makeAction("AUpdateList", true, &TMForm::AUpdateList);
    ASaveActivAction = makeAction("ASaveActiv", true, &TMForm::ASaveActiv);
    AUpdateSlotsAction = makeAction("AUpdateSlots", true, &TMForm::AUpdateSlots);
    APreColorAction = makeAction("APreColor", true, &TMForm::APreColor);
    AMakeSelectAction = makeAction("AMakeSelect", true, &TMForm::AMakeSelect);
    AMakePrevColAction = makeAction("AMakePrevCol", true, &TMForm::AMakePrevCol);
    AMakeEmptyAction = makeAction("AMakeEmpty", true, &TMForm::AMakeEmpty);
    AUpdateGlowshowAction = makeAction("AUpdateGlowshow", true, &TMForm::AUpdateGlowshow);
    AMFormCreateAction = makeAction("AMFormCreate", true, &TMForm::AMFormCreate);
    AAddNewGlowAction = makeAction("AAddNewGlow", false, &TMForm::AAddNewGlow);
    ADelAllFramesAction = makeAction("ADelAllFrames", true, &TMForm::ADelAllFrames);
    ADelGlowAction = makeAction("ADelGlow", false, &TMForm::ADelGlow);
    AGlowMoveDownAction = makeAction("AGlowMoveDown", false, &TMForm::AGlowMoveDown);
    AGlowMoveUpAction = makeAction("AGlowMoveUp", false, &TMForm::AGlowMoveUp);
    AAddNewFrameAction = makeAction("AAddNewFrame", false, &TMForm::AAddNewFrame);
    ADelFrameAction = makeAction("ADelFrame", false, &TMForm::ADelFrame);
    AAddAllFramesAction = makeAction("AAddAllFrames", true, &TMForm::AAddAllFrames);
    AGlowCopyAction = makeAction("AGlowCopy", false, &TMForm::AGlowCopy);
    AReadLanguageAction = makeAction("AReadLanguage", true, &TMForm::AReadLanguage);
    AMakeOn_OffAction = makeAction("AMakeOn_Off", true, &TMForm::AMakeOn_Off);
    AReadOptionsAction = makeAction("AReadOptions", true, &TMForm::AReadOptions);
    ASaveOptionsAction = makeAction("ASaveOptions", true, &TMForm::ASaveOptions);
    AClearAllFramesAction = makeAction("AClearAllFrames", true, &TMForm::AClearAllFrames);
    ACopyAllFramesAction = makeAction("ACopyAllFrames", true, &TMForm::ACopyAllFrames);
    AShowAboutAction = makeAction("AShowAbout", true, &TMForm::AShowAbout);
    ARegisterPATAction = makeAction("ARegisterPAT", true, &TMForm::ARegisterPAT);
    ALoadProfilePicsAction = makeAction("ALoadProfilePics", true, &TMForm::ALoadProfilePics);

    // Standard shortcuts for the file commands.
    AOpenFileAction->setShortcut(QKeySequence::Open);
    ANewFileAction->setShortcut(QKeySequence::New);
    ASaveAction->setShortcut(QKeySequence::Save);
    ASaveAsAction->setShortcut(QKeySequence::SaveAs);
    AExitAction->setShortcut(QKeySequence::Quit);
}

void TMForm::createMenu()
{
    File2 = named(menuBar()->addMenu(QString()), "File2");
    auto item = [this](QMenu *menu, const char *name, QAction *action) {
        auto *a = named(new QAction(menu), name);
        linkToAction(a, action);
        a->setShortcut(action->shortcut());
        menu->addAction(a);
        return a;
    };
    New1 = item(File2, "New1", ANewFileAction);
    Open1 = item(File2, "Open1", AOpenFileAction);
    RecentFiles1 = named(new QMenu(File2), "RecentFiles1");
    ARecentFilesAction = named(RecentFiles1->menuAction(), "ARecentFiles");
    ARecentFilesAction->setEnabled(false);
    File2->addAction(ARecentFilesAction);
    addCaption("OpenRecent", [this](const QString &t) { ARecentFilesAction->setText(t); });
    Save1 = item(File2, "Save1", ASaveAction);
    SaveAs1 = item(File2, "SaveAs1", ASaveAsAction);
    N2 = named(File2->addSeparator(), "N2");
    ImportGlowshows1 = item(File2, "ImportGlowshows1", AImportGlowshowsAction);
    ImportAnimation1 = item(File2, "ImportAnimation1", AImportAnimationAction);
    ExportAnimation1 = item(File2, "ExportAnimation1", AExportAnimationAction);
    ExportStoryboard1 = item(File2, "ExportStoryboard1", AExportStoryboardAction);
    CheckFile1 = item(File2, "CheckFile1", ACheckFileAction);
    N1 = named(File2->addSeparator(), "N1");
    Exit1 = item(File2, "Exit1", AExitAction);
    createEditMenu();
    Help1 = named(menuBar()->addMenu(QString()), "Help1");
    About1 = item(Help1, "About1", AShowAboutAction);
}

void TMForm::createSetupPage()
{
    Tab1 = named(new QWidget, "Tab1");
    PageControl1->addTab(Tab1, QStringLiteral("Setup"));
    auto *page = new QVBoxLayout(Tab1);

    GroupBox1 = group("GroupBox1", "");
    auto *g1 = new QVBoxLayout(GroupBox1);
    Label1 = label("Label1", "Select your language:");
    ComboBox1 = named(new QComboBox, "ComboBox1");
    Label2 = label("Label2", "Select your profile:");
    ComboBox2 = named(new QComboBox, "ComboBox2");
    for (QWidget *w : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(ComboBox1),
                       static_cast<QWidget *>(Label2), static_cast<QWidget *>(ComboBox2)})
        g1->addWidget(w);

    GroupBox2 = group("GroupBox2", "");
    auto *g2 = new QVBoxLayout(GroupBox2);
    CheckBox2 = named(new QCheckBox(QStringLiteral("Скрывать неиспользуемые элементы ")), "CheckBox2");
    CheckBox2->setChecked(true);
    Button14 = button("Button14");
    linkToAction(Button14, ARegisterPATAction);
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
    g10->addWidget(CheckBox3);
    g10->addWidget(Label16);
    g10->addWidget(Edit1);
    g10->addWidget(Label19);
    g10->addWidget(Memo1);

    auto *top = new QHBoxLayout;
    top->addWidget(GroupBox1, 1);
    top->addWidget(GroupBox2, 1);
    page->addLayout(top);
    page->addWidget(GroupBox10, 1);
}

void TMForm::createEditPage()
{
    Tab2 = named(new QWidget, "Tab2");
    PageControl1->addTab(Tab2, QStringLiteral("Edit glowshows"));
    auto *page = new QVBoxLayout(Tab2);

    auto *upper = new QHBoxLayout;
    ListBox1 = named(new QListWidget, "ListBox1");
    ListBox1->setFixedWidth(200);
    // One-line labels: selecting a row then measures one item, not all 255.
    ListBox1->setUniformItemSizes(true);
    Button11 = button("Button11");
    Button12 = button("Button12");
    linkToAction(Button11, AGlowMoveUpAction);
    linkToAction(Button12, AGlowMoveDownAction);
    for (QPushButton *b : {Button11, Button12})
        b->setFixedWidth(22);
    // The arrows are drawn by the buttons themselves; no language text replaces them.
    AGlowMoveUpAction->setText(QString(QChar(0x25B2)));
    AGlowMoveDownAction->setText(QString(QChar(0x25BC)));
    auto *arrows = new QVBoxLayout;
    arrows->addWidget(Button11);
    arrows->addWidget(Button12);
    arrows->addStretch();
    upper->addWidget(ListBox1);
    upper->addLayout(arrows);

    PageControl2 = named(new QTabWidget, "PageControl2");
    TabSheet3 = createGlowshowOptionsPage();
    TabSheet1 = createSlotOperationsPage();
    TabSheet2 = createSelectedFramePage();
    PageControl2->addTab(TabSheet3, QStringLiteral("Glowshow options"));
    PageControl2->addTab(TabSheet1, QStringLiteral("Slot operations"));
    PageControl2->addTab(TabSheet2, QStringLiteral("Selected frame"));
    upper->addWidget(PageControl2, 1);
    // Height to spare goes to the grids.
    page->addLayout(upper);
    // The device view beside the grids: the row grows with the window until the view is 1x.
    auto *gridRow = new QHBoxLayout;
    auto *gridColumn = new QVBoxLayout;
    createGrids(gridColumn);
    gridRow->addLayout(gridColumn, 1);
    createLiveView(gridRow);
    page->addLayout(gridRow, 1);
}

QWidget *TMForm::createGlowshowOptionsPage()
{
    auto *sheet = named(new QWidget, "TabSheet3");
    auto *grid = new QGridLayout(sheet);

    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);

    Label7 = label("Label7", "Название:");
    ComboBox4 = named(new QComboBox, "ComboBox4");
    left->addWidget(Label7);
    left->addWidget(ComboBox4);

    GroupBox7 = group("GroupBox7", "Тип подсветки");
    auto *g7 = new QVBoxLayout(GroupBox7);
    RadioButton1 = named(new QRadioButton(QStringLiteral("Обычная")), "RadioButton1");
    RadioButton2 = named(new QRadioButton(QStringLiteral("Ритм-подсветка")), "RadioButton2");
    g7->addWidget(RadioButton1);
    g7->addWidget(RadioButton2);
    GroupBox7->setEnabled(false); // the kind is shown, not chosen
    left->addWidget(GroupBox7);

    GroupBox8 = group("GroupBox8", "Количество кадров");
    auto *g8 = new QVBoxLayout(GroupBox8);
    SpinEdit5 = spinEdit("SpinEdit5", 1, 255, 1);
    SpinEdit5->setEnabled(false);
    g8->addWidget(SpinEdit5);
    left->addWidget(GroupBox8);
    left->addStretch();

    CheckBox1 = named(new QCheckBox(QStringLiteral("Repeating")), "CheckBox1");
    CheckBox1->setEnabled(false);
    Label13 = label("Label13", "Длительность");
    SpinEdit1 = spinEdit("SpinEdit1", 0, 65535, 100);
    SpinEdit1->setEnabled(false);
    right->addWidget(CheckBox1);
    right->addWidget(Label13);
    right->addWidget(SpinEdit1);

    GroupBox5 = group("GroupBox5", "Управление");
    auto *g5 = new QVBoxLayout(GroupBox5);
    g5->setSpacing(2);
    Button5 = button("Button5");
    Button10 = button("Button10");
    Button8 = button("Button8");
    linkToAction(Button5, AAddNewGlowAction);
    linkToAction(Button10, AGlowCopyAction);
    // Button8 keeps its own enabled state too: deletion needs a second glowshow.
    Button8->setEnabled(false);
    connect(ADelGlowAction, &QAction::changed, Button8, [this] { Button8->setText(ADelGlowAction->text()); });
    connect(Button8, &QPushButton::clicked, ADelGlowAction, [this] { ADelGlowAction->trigger(); });
    g5->addWidget(Button5);
    g5->addWidget(Button10);
    g5->addWidget(Button8);
    right->addWidget(GroupBox5);
    right->addStretch();
    return sheet;
}

QWidget *TMForm::createSlotOperationsPage()
{
    auto *sheet = named(new QWidget, "TabSheet1");
    auto *grid = new QGridLayout(sheet);
    ElName = label("ElName", "");
    QFont bold = ElName->font();
    bold.setBold(true);
    ElName->setFont(bold);
    grid->addWidget(ElName, 0, 0, 1, 2);

    Button9 = button("Button9");
    Button4 = button("Button4");
    Button7 = button("Button7");
    Button13 = button("Button13");
    linkToAction(Button9, AAddAllFramesAction);
    linkToAction(Button4, ADelAllFramesAction);
    linkToAction(Button7, AClearAllFramesAction);
    linkToAction(Button13, ACopyAllFramesAction);
    grid->addWidget(Button9, 1, 0);
    grid->addWidget(Button4, 2, 0);
    grid->addWidget(Button7, 3, 0);
    grid->addWidget(Button13, 4, 0);
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
    g4->addWidget(Label8);
    g4->addWidget(SpinEdit3);
    g4->addWidget(Label12);
    g4->addWidget(SpinEdit4);
    g4->addStretch();
    grid->addWidget(GroupBox4, 1, 1, 5, 1);
    return sheet;
}

QWidget *TMForm::createSelectedFramePage()
{
    auto *sheet = named(new QWidget, "TabSheet2");
    auto *row = new QHBoxLayout(sheet);

    GroupBox6 = group("GroupBox6", "Настройка цвета");
    auto *g6 = new QGridLayout(GroupBox6);
    Label9 = label("Label9", "R");
    Label10 = label("Label10", "G");
    Label11 = label("Label11", "B");
    TrackBar1 = colourTrackBar("TrackBar1");
    TrackBar2 = colourTrackBar("TrackBar2");
    TrackBar3 = colourTrackBar("TrackBar3");
    Edit2 = valueEdit("Edit2");
    Edit3 = valueEdit("Edit3");
    Edit4 = valueEdit("Edit4");
    int column = 0;
    for (auto [l, t, e] : {std::tuple{Label9, TrackBar1, Edit2}, std::tuple{Label10, TrackBar2, Edit3},
                           std::tuple{Label11, TrackBar3, Edit4}}) {
        g6->addWidget(l, 0, column, Qt::AlignHCenter);
        g6->addWidget(t, 1, column, Qt::AlignHCenter);
        g6->addWidget(e, 2, column, Qt::AlignHCenter);
        ++column;
    }
    Label3 = label("Label3", "Предпросмотр");
    Shape1 = named(new QFrame, "Shape1");
    Shape1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Shape1->setFixedSize(64, 48);
    Shape1->setAutoFillBackground(true);
    Button2 = button("Button2");
    linkToAction(Button2, AMakePrevColAction);
    g6->addWidget(Label3, 0, 3);
    g6->addWidget(Shape1, 1, 3, Qt::AlignTop);
    // Under the track bars and the preview: its caption is the longest of the page.
    g6->addWidget(Button2, 3, 0, 1, 4);
    GroupBox6->hide();

    GroupBox9 = group("GroupBox9", "Настройка");
    auto *g9 = new QVBoxLayout(GroupBox9);
    Button6 = button("Button6");
    linkToAction(Button6, AMakeOn_OffAction);
    g9->addWidget(Button6);
    g9->addStretch();
    GroupBox9->hide();

    auto *right = new QVBoxLayout;
    GroupBox3 = group("GroupBox3", "Параметр ритм-подсветки");
    auto *g3 = new QVBoxLayout(GroupBox3);
    SpinEdit2 = spinEdit("SpinEdit2", 0, 255, 5);
    SpinEdit2->setEnabled(false);
    g3->addWidget(SpinEdit2);
    Button1 = button("Button1");
    Button3 = button("Button3");
    linkToAction(Button1, AAddNewFrameAction);
    linkToAction(Button3, ADelFrameAction);
    right->addWidget(GroupBox3);
    right->addWidget(Button1);
    right->addWidget(Button3);
    right->addStretch();

    // The two boxes share one place, and keep it while hidden, so selecting another cell
    // never moves the buttons beside them.
    auto *boxes = new QGridLayout;
    for (QGroupBox *box : {GroupBox6, GroupBox9}) {
        QSizePolicy policy = box->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        box->setSizePolicy(policy);
        boxes->addWidget(box, 0, 0);
    }
    row->addLayout(boxes);
    row->addLayout(right, 1);
    return sheet;
}

void TMForm::createGrids(QBoxLayout *page)
{
    auto *grids = new QGridLayout;
    grids->setSpacing(0);

    Label6 = label("Label6", "");
    Label5 = label("Label5", "");
    auto *captions = new QVBoxLayout;
    captions->setSpacing(0);
    captions->setContentsMargins(0, 0, 4, 0); // the captions must not touch FrameGrid
    for (QLabel *l : {Label6, Label5}) {
        l->setFixedHeight(GridRowHeight + 1);
        captions->addWidget(l);
    }

    EditGrid = named(
        new EditGridView(mDocument, CurrentProfile, *mTexts, [this](int element) { return isElementHidden(element); }),
        "EditGrid");
    FrameGrid = named(new FrameGridView(mDocument, *EditGrid, *mTexts), "FrameGrid");
    FrameGrid->setDurationMergeId(MergeDuration);
    SlotGrid = named(new SlotGridView(*EditGrid), "SlotGrid");

    grids->addLayout(captions, 0, 0);
    grids->addWidget(FrameGrid, 0, 1);
    // Beside its rows of EditGrid even where the captions above make the column wider.
    grids->addWidget(SlotGrid, 1, 0, Qt::AlignTop | Qt::AlignRight);
    grids->addWidget(EditGrid, 1, 1);
    grids->setColumnStretch(1, 1);
    page->addLayout(grids);
}

void TMForm::createPreviewPage()
{
    mPreview = new PreviewPage(
        mDocument, CurrentProfile, [this](std::string_view key) { return uiText(key); },
        [this] { return DocumentLoaded; });
    PageControl1->addTab(mPreview, QStringLiteral("Glowshow preview"));
    connect(mPreview, &PreviewPage::glowshowChosen, this, [this](int glowshow) {
        Document.CurrentGlowshow = std::uint8_t(glowshow);
        selectListRow(ListBox1, glowshow);
        UpdatingControls = true;
        ListBox1Click();
        UpdatingControls = false;
    });
    connect(mPreview, &PreviewPage::editingAllowedChanged, this, &TMForm::setEditingAllowed);
}

void TMForm::setEditingAllowed(bool allowed)
{
    Tab1->setEnabled(allowed);
    Tab2->setEnabled(allowed);
    File2->setEnabled(allowed);
    File2->menuAction()->setEnabled(allowed);
    mEditingAllowed = allowed;
    updateUndoActions();
}

void TMForm::closeEvent(QCloseEvent *event)
{
    if (!mClosing && !askToSaveChanges()) {
        event->ignore();
        return;
    }
    runGuarded(this, [this] { FormClose(); });
    mRecovery->remove();
    event->accept();
}

} // namespace editor
