// Every caption of the three windows fits its widget, in every shipped language (Russian has the
// longest texts), at the scale the test runs with: CTest runs the *Layout* tests again at
// QT_SCALE_FACTOR=2.
#include "EditorFixture.h"

#include "editor/GridWidgets.h"
#include "preview/DXDraw.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <functional>
#include <optional>

namespace editor_test {
namespace {

QString describe(const QWidget *w, const QString &text)
{
    return QStringLiteral("%1 (%2) \"%3\"")
        .arg(w->objectName(), QString::fromLatin1(w->metaObject()->className()), text);
}

QString sizeText(QSize s)
{
    return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
}

// The space a caption's text takes, '&' shortcut marks not counted.
QSize textSize(const QWidget *w, const QString &text)
{
    return w->fontMetrics().size(Qt::TextShowMnemonic, text);
}

QStyleOptionButton buttonOption(const QAbstractButton *b)
{
    QStyleOptionButton option;
    option.initFrom(b);
    option.text = b->text();
    option.icon = b->icon();
    option.iconSize = b->iconSize();
    if (const auto *push = qobject_cast<const QPushButton *>(b)) {
        if (push->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        if (push->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (push->isFlat())
            option.features |= QStyleOptionButton::Flat;
    }
    return option;
}

// Where the style draws a button's text: it must hold the whole text.
std::optional<QString> buttonClipped(const QAbstractButton *b)
{
    if (b->text().isEmpty())
        return std::nullopt;
    const QStyleOptionButton option = buttonOption(b);
    const QStyle::SubElement element = qobject_cast<const QCheckBox *>(b)      ? QStyle::SE_CheckBoxContents
                                       : qobject_cast<const QRadioButton *>(b) ? QStyle::SE_RadioButtonContents
                                                                               : QStyle::SE_PushButtonContents;
    const QRect contents = b->style()->subElementRect(element, &option, b);
    const QSize need = textSize(b, b->text());
    if (need.width() <= contents.width() && need.height() <= contents.height())
        return std::nullopt;
    return describe(b, b->text()) + QStringLiteral(": text %1 in %2").arg(sizeText(need), sizeText(contents.size()));
}

std::optional<QString> labelClipped(const QLabel *l)
{
    if (l->text().isEmpty())
        return std::nullopt;
    // A label's size hint is exactly its text with margins, indent and frame.
    const QSize need = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
    if (need.width() <= l->width() && need.height() <= l->height())
        return std::nullopt;
    return describe(l, l->text()) + QStringLiteral(": needs %1, has %2").arg(sizeText(need), sizeText(l->size()));
}

std::optional<QString> groupTitleClipped(const QGroupBox *g)
{
    if (g->title().isEmpty())
        return std::nullopt;
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.textAlignment = g->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (g->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (g->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    option.lineWidth = 1;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    if (g->rect().contains(label))
        return std::nullopt;
    return describe(g, g->title()) + QStringLiteral(": title at %1,%2 %3 in %4")
                                         .arg(label.x())
                                         .arg(label.y())
                                         .arg(sizeText(label.size()), sizeText(g->size()));
}

std::optional<QString> tabsClipped(const QTabBar *bar)
{
    for (const QToolButton *scroll : bar->findChildren<QToolButton *>())
        if (scroll->isVisible())
            return describe(bar, QString()) + QStringLiteral(": tabs do not fit, scroll buttons shown");
    const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
    for (int i = 0; i < bar->count(); ++i) {
        if (!bar->isTabVisible(i))
            continue;
        const QRect tab = bar->tabRect(i);
        const QSize need = textSize(bar, bar->tabText(i)) + QSize(space, 0);
        if (!bar->rect().contains(tab) || tab.width() < need.width())
            return describe(bar, bar->tabText(i)) +
                   QStringLiteral(": tab %1 for text %2 in bar %3")
                       .arg(sizeText(tab.size()), sizeText(need), sizeText(bar->size()));
    }
    return std::nullopt;
}

std::optional<QString> menuTitlesClipped(const QMenuBar *bar)
{
    for (QAction *a : bar->actions())
        if (a->isVisible() && !bar->rect().contains(bar->actionGeometry(a)))
            return describe(bar, a->text()) + QStringLiteral(": menu title outside the bar");
    return std::nullopt;
}

// Every visible caption in `window` that its widget cuts off.
QStringList clippedCaptions(QWidget *window)
{
    QStringList found;
    auto note = [&found](const std::optional<QString> &problem) {
        if (problem)
            found << *problem;
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisible())
            continue;
        if (auto *b = qobject_cast<QAbstractButton *>(w); b && !qobject_cast<QToolButton *>(w))
            note(buttonClipped(b));
        else if (auto *l = qobject_cast<QLabel *>(w))
            note(labelClipped(l));
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            note(groupTitleClipped(g));
        else if (auto *t = qobject_cast<QTabBar *>(w))
            note(tabsClipped(t));
        else if (auto *m = qobject_cast<QMenuBar *>(w))
            note(menuTitlesClipped(m));
    }
    return found;
}

class LayoutTest : public EditorFixture {
protected:
    void expectNothingClipped(QWidget *window, const char *where)
    {
        processEvents();
        const QStringList clipped = clippedCaptions(window);
        EXPECT_TRUE(clipped.isEmpty()) << where << ":\n  " << clipped.join(QStringLiteral("\n  ")).toStdString();
    }

    void clickCell(int column, int row)
    {
        editor::EditGridView *grid = editGrid();
        const QModelIndex index = grid->model()->index(row, column);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(index).center());
        processEvents();
    }

    // Shows every page of the main window in each state that shows other captions, and both
    // dialogs, and checks each.
    // `window`: the size the main window is given after the start, as when maximised.
    void expectEveryCaptionFits(const QString &language, QSize window = {})
    {
        const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
        ASSERT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), scale.isEmpty() ? 1.0 : scale.toDouble());
        {
            QSettings s(settingsFile, QSettings::IniFormat);
            s.setValue(QStringLiteral("Profile settings/Language"), language);
            // Lumen X1 has on/off elements, so the on/off box of the selected frame shows too.
            s.setValue(QStringLiteral("Profile settings/Profile"), QStringLiteral("Motorola Lumen X1"));
        }
        editor::TMForm &f =
            startWith(documentOf({normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0), entry(5, 15, 15, 15)})})}));
        ASSERT_TRUE(unexpectedModals.empty()) << unexpectedModals.front().text.toStdString();
        ASSERT_EQ(widget<QComboBox>("ComboBox1")->currentText(), language);
        if (window.isValid()) {
            f.resize(window);
            processEvents();
            ASSERT_EQ(f.size(), window);
        }

        widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab1"));
        expectNothingClipped(&f, "setup page");

        widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab2"));
        expectNothingClipped(&f, "glowshow options");
        clickCell(0, 0);
        ASSERT_TRUE(widget<QGroupBox>("GroupBox6")->isVisible());
        expectNothingClipped(&f, "selected frame, full-colour element");
        clickCell(0, 4);
        ASSERT_TRUE(widget<QGroupBox>("GroupBox9")->isVisible());
        expectNothingClipped(&f, "selected frame, on/off element");
        widget<QTabWidget>("PageControl2")->setCurrentWidget(widget<QWidget>("TabSheet1"));
        expectNothingClipped(&f, "element operations");

        widget<QTabWidget>("PageControl1")->setCurrentWidget(widget<QWidget>("Tab3"));
        expectNothingClipped(&f, "preview page");
        widget<QListWidget>("ListBox2")->setCurrentRow(0);
        QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);
        ASSERT_TRUE(widget<preview::DXDraw>("DXDraw")->isVisible());
        expectNothingClipped(&f, "preview page, playing");
        QTest::mouseClick(widget<QPushButton>("Button15"), Qt::LeftButton);

        for (QWidget *dialog : {static_cast<QWidget *>(forms.SForm.get()), static_cast<QWidget *>(forms.AForm.get())}) {
            dialog->show();
            expectNothingClipped(dialog, qPrintable(dialog->objectName()));
            dialog->hide();
        }
    }
};

TEST_F(LayoutTest, RussianCaptionsFitOnEveryPageAndDialog)
{
    expectEveryCaptionFits(QStringLiteral("Russian"));
}

TEST_F(LayoutTest, EnglishCaptionsFitOnEveryPageAndDialog)
{
    expectEveryCaptionFits(QStringLiteral("English"));
}

TEST_F(LayoutTest, CaptionsFitInAMaximisedWindowInBothLanguages)
{
    for (const QString &language : {QStringLiteral("Russian"), QStringLiteral("English")}) {
        SCOPED_TRACE(language.toStdString());
        expectEveryCaptionFits(language, QSize(1920, 1080));
    }
}

using LayoutSizeTest = EditorFixture;

TEST_F(LayoutSizeTest, EnglishKeepsTheDesignedWindowSizes)
{
    editor::TMForm &f = start();
    ASSERT_EQ(widget<QComboBox>("ComboBox1")->currentText(), QStringLiteral("English"));
    EXPECT_EQ(f.centralWidget()->size(), QSize(669, 485));
    EXPECT_EQ(forms.SForm->size(), QSize(255, 137));
    EXPECT_EQ(forms.AForm->size(), QSize(313, 298));
}

using LayoutRoomTest = EditorFixture;

// At 1x and 2x (CTest runs the *Layout* tests again at twice the scale), designed and maximised.
TEST_F(LayoutRoomTest, HeightToSpareGoesToTheGridAndElementNamesAreWholeWhereThereIsRoom)
{
    const model::TDocument doc = documentOf({normalGlowshow(1, {frame(100, {entry(1, 15, 0, 0)})})});
    for (const QSize window : {QSize(), QSize(1400, 930), QSize(1920, 1080)}) {
        SCOPED_TRACE(window.height());
        editor::TMForm &f = startWith(doc);
        if (window.isValid())
            f.resize(window);
        auto *editing = widget<QWidget>("Tab2");
        widget<QTabWidget>("PageControl1")->setCurrentWidget(editing);
        processEvents();
        const auto *grid = f.findChild<QTableView *>(QStringLiteral("EditGrid"));
        const auto *frames = f.findChild<QTableView *>(QStringLiteral("FrameGrid"));
        const auto *elements = f.findChild<QTableWidget *>(QStringLiteral("SlotGrid"));
        const int row = grid->rowHeight(0);
        EXPECT_GE(grid->mapTo(editing, QPoint(0, grid->height())).y(), editing->height() - 16) << "empty space below";
        EXPECT_LT(grid->viewport()->height() - editor::ElementRows * row, editor::ElementRows) << "rows leave room";
        EXPECT_EQ(elements->rowHeight(5), row);
        EXPECT_EQ(frames->columnWidth(0), grid->columnWidth(0));
        if (window.height() >= 930) {
            EXPECT_GT(row, 2 * editor::GridRowHeight);
            for (int r = 0; r < editor::ElementRows; ++r)
                EXPECT_LE(elements->fontMetrics().horizontalAdvance(elements->item(r, 0)->text()),
                          elements->columnWidth(0))
                    << elements->item(r, 0)->text().toStdString();
        }
    }
}

TEST_F(LayoutRoomTest, ZoomKeysAndCtrlWheelSizeTheColumnsAndTheZoomIsRemembered)
{
    const model::TDocument doc = documentOf({normalGlowshow(1, {frame(100, {})})});
    editor::TMForm &f = startWith(doc);
    auto *grid = f.findChild<QTableView *>(QStringLiteral("EditGrid"));
    auto wheel = [grid](int notches, Qt::KeyboardModifiers modifiers) {
        const QPointF at(5, 5);
        QWheelEvent event(at, grid->viewport()->mapToGlobal(at), {}, QPoint(0, 120 * notches), Qt::NoButton, modifiers,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid->viewport(), &event);
    };
    auto key = [grid](Qt::Key k) { return [grid, k] { QTest::keyClick(grid, k, Qt::ControlModifier); }; };
    const struct {
        const char *what;
        std::function<void()> act;
        int width;
    } cases[] = {
        {"Ctrl+plus", key(Qt::Key_Plus), 45},
        {"Ctrl+plus", key(Qt::Key_Plus), 54},
        {"Ctrl+minus", key(Qt::Key_Minus), 45},
        {"Ctrl+0", key(Qt::Key_0), 36},
        {"Ctrl+wheel up", [&] { wheel(1, Qt::ControlModifier); }, 45},
        {"Ctrl+wheel down twice", [&] { wheel(-2, Qt::ControlModifier); }, 27},
        {"wheel alone scrolls", [&] { wheel(1, Qt::NoModifier); }, 27},
        {"View > Zoom in", [&] { f.findChild<QAction *>(QStringLiteral("AZoomIn"))->trigger(); }, 36},
    };
    grid->setFocus();
    for (const auto &c : cases) {
        c.act();
        processEvents();
        EXPECT_EQ(grid->columnWidth(0), c.width) << c.what;
        EXPECT_GE(grid->rowHeight(0),
                  (editor::GridRowHeight * c.width + editor::GridColumnWidth / 2) / editor::GridColumnWidth)
            << c.what;
    }
    f.findChild<QAction *>(QStringLiteral("AZoomOut"))->trigger();
    editor::TMForm &again = startWith(doc);
    EXPECT_EQ(again.findChild<QTableView *>(QStringLiteral("EditGrid"))->columnWidth(0), 27);
}

// The check itself: labels, buttons, check boxes, radio buttons, group titles and tabs pass
// with room to spare and are reported once their widget is too small for the caption.
TEST(LayoutCheckTest, EveryKindOfCaptionIsReportedOnlyWhenCut)
{
    const QString text = QStringLiteral("Взять цвет из предыдущего кадра");
    auto label = [&] { return new QLabel(text); };
    auto button = [&] { return new QPushButton(text); };
    auto check = [&] { return new QCheckBox(text); };
    auto radio = [&] { return new QRadioButton(text); };
    auto group = [&] {
        auto *g = new QGroupBox(text);
        (new QVBoxLayout(g))->addWidget(new QLabel(QStringLiteral("x")));
        return g;
    };
    auto tabs = [&] {
        auto *t = new QTabWidget;
        t->addTab(new QWidget, text);
        t->addTab(new QWidget, text);
        return t;
    };
    const struct {
        const char *kind;
        std::function<QWidget *()> make;
    } cases[] = {{"label", label},        {"push button", button}, {"check box", check},
                 {"radio button", radio}, {"group box", group},    {"tab bar", tabs}};
    for (const auto &c : cases) {
        QWidget window;
        auto *column = new QVBoxLayout(&window);
        QWidget *w = c.make();
        column->addWidget(w);
        column->addStretch();
        window.resize(1000, 400);
        window.show();
        QApplication::processEvents();
        EXPECT_TRUE(clippedCaptions(&window).isEmpty()) << c.kind << " with room to spare";

        w->setFixedWidth(w->sizeHint().width() * 2 / 3);
        QApplication::processEvents();
        EXPECT_FALSE(clippedCaptions(&window).isEmpty()) << c.kind << " cut to two thirds";
    }
    QWidget window;
    auto *l = new QLabel(text, &window);
    l->setGeometry(0, 0, l->sizeHint().width(), l->sizeHint().height() - 4);
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(clippedCaptions(&window).isEmpty()) << "label cut at the bottom";
}

} // namespace
} // namespace editor_test
