// Names for screen readers: the controls' names and descriptions, combo boxes named by their
// labels, and the colour grid as a table of named cells.
#include "Accessibility.h"

#include "GridWidgets.h"
#include "Unit1.h"

#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>

#include <array>

namespace editor {

namespace {

constexpr auto Texts = std::to_array<AccessibleText>({
    {"ComboBox1", "Label1", nullptr, nullptr},
    {"ComboBox2", "Label2", nullptr, nullptr},
    {"Edit1", "Label16", nullptr, nullptr},
    {"Memo1", "Label19", nullptr, nullptr},
    {"ListBox1", nullptr, "AccessGlowshowList", nullptr},
    {"Button11", nullptr, "MoveGlowshowUp", nullptr},
    {"Button12", nullptr, "MoveGlowshowDown", nullptr},
    {"ComboBox4", "Label7", nullptr, "AccessIdentifierHelp"},
    {"SpinEdit5", "GroupBox8", nullptr, nullptr},
    {"SpinEdit1", "Label13", nullptr, "AccessRepeatDurationHelp"},
    {"ComboBox3", "Label14", nullptr, "AccessCopyTargetHelp"},
    {"SpinEdit3", "Label8", nullptr, nullptr},
    {"SpinEdit4", "Label12", nullptr, nullptr},
    {"TrackBar1", "Label9", nullptr, "AccessRedHelp"},
    {"TrackBar2", "Label10", nullptr, "AccessGreenHelp"},
    {"TrackBar3", "Label11", nullptr, "AccessBlueHelp"},
    {"Edit2", "Label9", nullptr, "AccessRedHelp"},
    {"Edit3", "Label10", nullptr, "AccessGreenHelp"},
    {"Edit4", "Label11", nullptr, "AccessBlueHelp"},
    {"ColourText", "ColourTextLabel", nullptr, "ColourTextHelp"},
    {"Shape1", "Label3", nullptr, nullptr},
    {"SpinEdit2", "GroupBox3", nullptr, nullptr},
    {"FrameGrid", nullptr, "AccessFrameGrid", "AccessFrameGridHelp"},
    {"SlotGrid", nullptr, "AccessSlotGrid", "AccessSlotGridHelp"},
    {"EditGrid", nullptr, "AccessColourGrid", "AccessColourGridHelp"},
    {"LiveView", nullptr, "AccessLiveView", nullptr},
    {"PageControl1", nullptr, "AccessPages", nullptr},
    {"PageControl2", nullptr, "AccessGlowshowPages", nullptr},
    {"ListBox2", nullptr, "AccessPreviewList", nullptr},
    {"TrackBar4", "Label15", nullptr, "AccessSpeedHelp"},
    {"DXDraw", nullptr, "AccessDevicePreview", nullptr},
});

QString captionOf(const QWidget *label)
{
    if (const auto *l = qobject_cast<const QLabel *>(label))
        return l->text();
    if (const auto *g = qobject_cast<const QGroupBox *>(label))
        return g->title();
    return {};
}

#ifdef Q_OS_UNIX
// On Linux Qt names a combo box by its current text and leaves the label to a relation, so
// an empty box is nameless and "Name:" is never heard. This one answers with its own name.
class NamedComboBox : public QAccessibleWidget {
public:
    explicit NamedComboBox(QComboBox *box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Value ? box()->currentText() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        return s;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &name) override
    {
        if (name == showMenuAction() || name == pressAction())
            box()->showPopup();
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QComboBox *box() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *namedComboBoxFactory(const QString &className, QObject *object)
{
    auto *box = qobject_cast<QComboBox *>(object);
    if (className == QLatin1String("QComboBox") && box && !box->isEditable() && !box->accessibleName().isEmpty())
        return new NamedComboBox(box);
    return nullptr;
}
#endif

// The range is what a screen reader reads as the selected cells.
void exposeRange(EditGridView *grid)
{
    const QRect range = grid->range();
    QItemSelection selection;
    if (range.isValid() && range.right() < grid->gridModel()->columnCount())
        selection.select(grid->gridModel()->index(range.top(), range.left()),
                         grid->gridModel()->index(range.bottom(), range.right()));
    grid->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void installGridTexts(TMForm &form, const TextOf &text)
{
    auto *grid = form.centralWidget()->findChild<EditGridView *>(QStringLiteral("EditGrid"));
    // Its rows are headed by the element names that SlotGrid shows and heads its own rows with.
    auto *slotGrid = form.centralWidget()->findChild<SlotGridView *>(QStringLiteral("SlotGrid"));
    // Asked at any time, also after the document shrank: everything is looked up again.
    auto shown = [&form]() -> const model::TGlowshow * {
        return form.document().isLoaded() ? form.Document.current() : nullptr;
    };
    grid->gridModel()->setTexts(
        [&form, slotGrid, text, shown](int row, int column) {
            const model::TGlowshow *g = shown();
            const int element = row + 1;
            if (!g || row < 0 || row >= ElementRows)
                return QString();
            const CellState state = cellState(*g, element, column, form.CurrentProfile.ElementColors[element],
                                              form.isElementHidden(element));
            return cellName(text, slotGrid->elementName(element), columnName(text, g->Kind == model::KindRhythm, column),
                            state);
        },
        [slotGrid, text, shown](Qt::Orientation orientation, int section) {
            if (orientation == Qt::Vertical)
                return slotGrid->elementName(section + 1);
            const model::TGlowshow *g = shown();
            return columnName(text, g && g->Kind == model::KindRhythm, section);
        });
    QObject::connect(grid, &EditGridView::rangeChanged, grid, [grid] { exposeRange(grid); });
}

} // namespace

std::span<const AccessibleText> accessibleTexts()
{
    return Texts;
}

QWidget *controlNamed(QWidget *root, const char *name)
{
    return root->objectName() == QLatin1String(name) ? root : root->findChild<QWidget *>(QLatin1String(name));
}

QString accessibleCaption(const QString &caption)
{
    QString name = caption;
    name.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    name.remove(QLatin1Char('&'));
    name.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    name = name.trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}

void applyAccessibleTexts(QWidget *window, const TextOf &text)
{
    for (const AccessibleText &t : Texts) {
        QWidget *control = controlNamed(window, t.control);
        if (!control)
            continue;
        const QWidget *label = t.label ? window->findChild<QWidget *>(QLatin1String(t.label)) : nullptr;
        control->setAccessibleName(label ? accessibleCaption(captionOf(label)) : accessibleCaption(text(t.nameKey)));
        control->setAccessibleDescription(t.descriptionKey ? text(t.descriptionKey) : QString());
        // The parts that take the focus for them.
        if (auto *pages = qobject_cast<QTabWidget *>(control))
            pages->tabBar()->setAccessibleName(control->accessibleName());
        if (qobject_cast<QAbstractSpinBox *>(control))
            if (auto *edit = control->findChild<QLineEdit *>())
                edit->setAccessibleName(control->accessibleName());
        if (auto *l = qobject_cast<QLabel *>(const_cast<QWidget *>(label)); l && !l->buddy())
            l->setBuddy(control);
    }
    // The glyph buttons tell sighted users the same in a tip.
    for (const char *arrow : {"Button11", "Button12"})
        if (auto *button = window->findChild<QWidget *>(QLatin1String(arrow)))
            button->setToolTip(button->accessibleName());
    // FrameGrid's rows are captioned by the labels left of it; SlotGrid's one column holds elements.
    if (auto *frames = window->findChild<QTableWidget *>(QStringLiteral("FrameGrid")))
        for (auto [row, label] : {std::pair{0, "Label6"}, std::pair{1, "Label5"}})
            if (const QWidget *l = window->findChild<QWidget *>(QLatin1String(label)))
                frames->setVerticalHeaderItem(row, new QTableWidgetItem(accessibleCaption(captionOf(l))));
    if (auto *slotGrid = window->findChild<QTableWidget *>(QStringLiteral("SlotGrid")))
        slotGrid->setHorizontalHeaderItem(0, new QTableWidgetItem(text("AccessSlotGrid")));
}

void installAccessibility(TMForm &form)
{
#ifdef Q_OS_UNIX
    static const bool installed = [] {
        QAccessible::installFactory(namedComboBoxFactory);
        return true;
    }();
    Q_UNUSED(installed);
#endif
    const TextOf text = [&form](std::string_view key) { return form.uiText(key); };
    installGridTexts(form, text);
    // Run now and after the labels took the texts of each language chosen.
    form.addCaption("AccessGlowshowList",
                    [&form, text](const QString &) { applyAccessibleTexts(form.centralWidget(), text); });
}

} // namespace editor
