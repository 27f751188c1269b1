// The whole editor by keyboard: Tab order, page switching, a menu path with mnemonics for every
// command, and a colour typed as #RGB.
#include "Keyboard.h"

#include "Accessibility.h"
#include "ErrorBox.h"
#include "Unit1.h"

#include <QAbstractItemView>
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>

#include <algorithm>
#include <array>

namespace editor {

namespace {

constexpr auto TabOrder = std::to_array<const char *>({
    "PageControl1",
    // Setup
    "ComboBox1",
    "ComboBox2",
    "CheckBox2",
    "Button14",
    "CheckBox3",
    "Edit1",
    "Memo1",
    // Edit glowshows: the list, the option pages, then the grids
    "ListBox1",
    "Button11",
    "Button12",
    "PageControl2",
    "ComboBox4",
    "RadioButton1",
    "RadioButton2",
    "SpinEdit5",
    "CheckBox1",
    "SpinEdit1",
    "Button5",
    "Button10",
    "Button8",
    "Button9",
    "Button4",
    "Button7",
    "Button13",
    "ComboBox3",
    "SpinEdit3",
    "SpinEdit4",
    "TrackBar1",
    "TrackBar2",
    "TrackBar3",
    "Edit2",
    "Edit3",
    "Edit4",
    "ColourText",
    "Button2",
    "Button6",
    "SpinEdit2",
    "Button1",
    "Button3",
    "FrameGrid",
    "SlotGrid",
    "EditGrid",
    // Glowshow preview
    "ListBox2",
    "Button15",
    "CheckBox4",
    "TrackBar4",
});

// A menu item for a command that a button of a page runs: it offers the command exactly when
// the button can be reached and pressed.
struct ButtonCommand {
    const char *item;    // object name of the menu item
    const char *button;  // object name of the button
    const char *textKey; // "Editor" key of the caption, or nullptr for the button's own
};

constexpr ButtonCommand GlowshowCommands[] = {
    {"AddGlowshow1", "Button5", nullptr},
    {"CopyGlowshow1", "Button10", nullptr},
    {"DeleteGlowshow1", "Button8", nullptr},
    {nullptr, nullptr, nullptr},
    {"MoveGlowshowUp1", "Button11", "MoveGlowshowUp"},
    {"MoveGlowshowDown1", "Button12", "MoveGlowshowDown"},
};

constexpr ButtonCommand ElementCommands[] = {
    {"AddElement1", "Button1", nullptr},
    {"RemoveElement1", "Button3", nullptr},
    {"PreviousColour1", "Button2", nullptr},
    {"SwitchOnOff1", "Button6", nullptr},
    {nullptr, nullptr, nullptr},
    {"AddToAllFrames1", "Button9", nullptr},
    {"RemoveFromAllFrames1", "Button4", nullptr},
    {"ClearAllFrames1", "Button7", nullptr},
    {"CopyToElement1", "Button13", nullptr},
};

// A button on a page whose tab is hidden, or inside a hidden box, cannot be pressed.
bool reachable(const QWidget *button)
{
    if (!button->isEnabled())
        return false;
    for (const QWidget *w = button; w && !w->isWindow(); w = w->parentWidget()) {
        const auto *stack = qobject_cast<const QStackedWidget *>(w->parentWidget());
        const auto *tabs = stack ? qobject_cast<const QTabWidget *>(stack->parentWidget()) : nullptr;
        if (tabs) {
            if (!tabs->isTabVisible(tabs->indexOf(const_cast<QWidget *>(w))))
                return false;
        } else if (w->isHidden()) {
            return false;
        }
    }
    return true;
}

void addButtonCommands(TMForm &form, QMenu *menu, std::span<const ButtonCommand> commands)
{
    for (const ButtonCommand &c : commands) {
        if (!c.item) {
            menu->addSeparator();
            continue;
        }
        auto *button = form.centralWidget()->findChild<QAbstractButton *>(QLatin1String(c.button));
        auto *item = new QAction(menu);
        item->setObjectName(QLatin1String(c.item));
        menu->addAction(item);
        QObject::connect(menu, &QMenu::aboutToShow, item, [&form, item, button, key = c.textKey] {
            item->setText(key ? form.uiText(key) : button->text());
            item->setEnabled(reachable(button));
        });
        QObject::connect(item, &QAction::triggered, button, [button] {
            if (reachable(button))
                button->click();
        });
    }
}

QMenu *helpMenu(TMForm &form)
{
    return form.menuBar()->findChild<QMenu *>(QStringLiteral("Help1"));
}

QMenu *addMenu(TMForm &form, const char *name, const char *titleKey, QMenu *before)
{
    auto *menu = new QMenu(form.menuBar());
    menu->setObjectName(QLatin1String(name));
    form.menuBar()->insertMenu(before->menuAction(), menu);
    form.addCaption(titleKey, [menu](const QString &t) { menu->setTitle(t); });
    return menu;
}

QAction *addAction(TMForm &form, QMenu *menu, const char *name, const char *textKey, const QList<QKeySequence> &keys)
{
    auto *action = new QAction(menu);
    action->setObjectName(QLatin1String(name));
    action->setShortcuts(keys);
    menu->addAction(action);
    form.addCaption(textKey, [action](const QString &t) { action->setText(t); });
    return action;
}

// Ctrl+Tab and Ctrl+Shift+Tab go round the pages whose tabs are shown.
void switchPage(QTabWidget *pages, int step)
{
    const int count = pages->count();
    for (int i = 1; i < count; ++i) {
        const int index = ((pages->currentIndex() + step * i) % count + count) % count;
        if (pages->isTabVisible(index) && pages->isTabEnabled(index)) {
            pages->setCurrentIndex(index);
            return;
        }
    }
}

void createViewMenu(TMForm &form)
{
    QMenu *view = addMenu(form, "ViewMenu", "ViewMenu", helpMenu(form));
    auto *pages = qobject_cast<QTabWidget *>(controlNamed(form.centralWidget(), "PageControl1"));
    // The zoom commands come first; GridZoom fills them in.
    addAction(form, view, "AZoomIn", "ZoomIn",
              {QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    addAction(form, view, "AZoomOut", "ZoomOut", {QKeySequence(QKeySequence::ZoomOut)});
    addAction(form, view, "AZoomReset", "ZoomReset", {QKeySequence(Qt::CTRL | Qt::Key_0)});
    view->addSeparator();
    QAction *next = addAction(form, view, "ANextPage", "NextPage",
                              {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)});
    QAction *previous =
        addAction(form, view, "APreviousPage", "PreviousPage",
                  {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)});
    QObject::connect(next, &QAction::triggered, pages, [pages] { switchPage(pages, 1); });
    QObject::connect(previous, &QAction::triggered, pages, [pages] { switchPage(pages, -1); });
    view->addSeparator();
    addButtonCommands(form, view, std::array{ButtonCommand{"Play1", "Button15", nullptr}});
}

// Captions come from language files without shortcut letters; each menu gets them as it opens.
void giveMnemonics(QMenu *menu)
{
    QObject::connect(menu, &QMenu::aboutToShow, menu, [menu] {
        const QList<QAction *> items = menu->actions();
        QStringList captions;
        for (const QAction *a : items)
            captions << a->text();
        const QStringList given = withMnemonics(captions);
        for (qsizetype i = 0; i < items.size(); ++i)
            if (!items[i]->isSeparator() && items[i]->text() != given[i])
                items[i]->setText(given[i]);
    });
}

} // namespace

std::span<const char *const> tabOrder()
{
    return TabOrder;
}

QStringList withMnemonics(const QStringList &captions)
{
    auto mnemonicAt = [](const QString &caption) -> qsizetype {
        for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
            if (caption[i] != QLatin1Char('&'))
                continue;
            if (caption[i + 1] != QLatin1Char('&'))
                return i + 1;
            ++i; // "&&"
        }
        return -1;
    };
    QString used;
    for (const QString &c : captions)
        if (const qsizetype at = mnemonicAt(c); at >= 0)
            used += c[at].toLower();
    QStringList given = captions;
    for (QString &c : given) {
        if (c.isEmpty() || mnemonicAt(c) >= 0)
            continue;
        for (qsizetype i = 0; i < c.size(); ++i) {
            if (c[i] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            if (c[i].isLetterOrNumber() && !used.contains(c[i].toLower())) {
                used += c[i].toLower();
                c.insert(i, QLatin1Char('&'));
                break;
            }
        }
    }
    return given;
}

void installKeyboard(TMForm &form)
{
    // Arrows move inside a grid; Tab leaves it.
    for (const char *name : {"FrameGrid", "SlotGrid", "EditGrid"})
        form.centralWidget()->findChild<QAbstractItemView *>(QLatin1String(name))->setTabKeyNavigation(false);

    QWidget *previous = nullptr;
    for (const char *name : TabOrder) {
        QWidget *w = controlNamed(form.centralWidget(), name);
        if (previous && w)
            QWidget::setTabOrder(previous, w);
        previous = w ? w : previous;
    }

    QMenu *glowshow = addMenu(form, "GlowshowMenu", "GlowshowMenu", helpMenu(form));
    addButtonCommands(form, glowshow, GlowshowCommands);
    QMenu *element = addMenu(form, "ElementMenu", "ElementMenu", helpMenu(form));
    addButtonCommands(form, element, ElementCommands);
    createViewMenu(form);
    auto *file = form.menuBar()->findChild<QMenu *>(QStringLiteral("File2"));
    addButtonCommands(form, file, std::array{ButtonCommand{"RegisterPat1", "Button14", nullptr}});
    file->insertAction(form.menuBar()->findChild<QAction *>(QStringLiteral("N1")), file->actions().constLast());
    for (QAction *a : form.menuBar()->actions())
        if (QMenu *menu = a->menu())
            giveMnemonics(menu);
}

} // namespace editor
