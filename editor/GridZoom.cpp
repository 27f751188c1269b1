#include "GridZoom.h"

#include "ErrorBox.h"
#include "GridWidgets.h"
#include "Unit1.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace editor {

namespace {

const QString ZoomValue = QStringLiteral("GridZoom");

int scaled(int size, int percent)
{
    return std::max(1, (size * percent + 50) / 100);
}

void setSectionSize(QHeaderView *header, int size)
{
    header->setMinimumSectionSize(std::min(size, header->minimumSectionSize()));
    header->setDefaultSectionSize(size);
    header->setMinimumSectionSize(size);
    for (int i = 0; i < header->count(); ++i)
        header->resizeSection(i, size);
}

int nearestLevel(int percent)
{
    const auto *nearest =
        std::min_element(std::begin(GridZoom::Levels), std::end(GridZoom::Levels),
                         [percent](int a, int b) { return std::abs(a - percent) < std::abs(b - percent); });
    return *nearest;
}

} // namespace

GridCells gridCells(int zoomPercent, int room)
{
    const int row = scaled(GridRowHeight, zoomPercent);
    return {scaled(GridColumnWidth, zoomPercent), std::max(row, room / ElementRows), row};
}

GridZoom::GridZoom(TMForm &form) : QObject(&form), mForm(form)
{
    setObjectName(QStringLiteral("GridZoom"));
    connect(form.menuBar()->findChild<QAction *>(QStringLiteral("AZoomIn")), &QAction::triggered, this,
            &GridZoom::zoomIn);
    connect(form.menuBar()->findChild<QAction *>(QStringLiteral("AZoomOut")), &QAction::triggered, this,
            &GridZoom::zoomOut);
    connect(form.menuBar()->findChild<QAction *>(QStringLiteral("AZoomReset")), &QAction::triggered, this,
            [this] { setPercent(100); });
    auto *editGrid = form.centralWidget()->findChild<QAbstractItemView *>(QStringLiteral("EditGrid"));
    // The rows take the room below them: the grid grows with the window.
    editGrid->setMinimumHeight(0);
    editGrid->setMaximumHeight(QWIDGETSIZE_MAX);
    editGrid->setSizePolicy(editGrid->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
    editGrid->installEventFilter(this);
    for (const char *name : {"EditGrid", "FrameGrid", "SlotGrid"})
        form.centralWidget()->findChild<QAbstractItemView *>(QLatin1String(name))->viewport()->installEventFilter(this);
    auto *slotGrid = form.centralWidget()->findChild<QTableWidget *>(QStringLiteral("SlotGrid"));
    connect(slotGrid, &QTableWidget::itemChanged, this, &GridZoom::fitElementNames);

    const std::optional<QString> stored =
        form.settingsStore().readText(QLatin1String(settings::WindowGroup), ZoomValue);
    bool number = false;
    const int percent = stored ? stored->toInt(&number) : 100;
    mPercent = nearestLevel(number ? percent : 100);
    apply();
}

void GridZoom::setPercent(int percent)
{
    percent = nearestLevel(percent);
    if (percent == mPercent)
        return;
    mPercent = percent;
    apply();
    runGuarded(&mForm, [this] {
        mForm.settingsStore().writeText(QLatin1String(settings::WindowGroup), ZoomValue, QString::number(mPercent));
    });
}

void GridZoom::zoomIn()
{
    const auto *next = std::upper_bound(std::begin(Levels), std::end(Levels), mPercent);
    if (next != std::end(Levels))
        setPercent(*next);
}

void GridZoom::zoomOut()
{
    const auto *at = std::lower_bound(std::begin(Levels), std::end(Levels), mPercent);
    if (at != std::begin(Levels))
        setPercent(*std::prev(at));
}

void GridZoom::apply()
{
    auto *editGrid = mForm.centralWidget()->findChild<QTableView *>(QStringLiteral("EditGrid"));
    auto *frameGrid = mForm.centralWidget()->findChild<QTableWidget *>(QStringLiteral("FrameGrid"));
    auto *slotGrid = mForm.centralWidget()->findChild<QTableWidget *>(QStringLiteral("SlotGrid"));
    const int frame = 2 * editGrid->frameWidth();
    const int scrollBar = editGrid->horizontalScrollBar()->sizeHint().height();
    const GridCells cells = gridCells(mPercent, editGrid->height() - frame - scrollBar);

    setSectionSize(editGrid->horizontalHeader(), cells.columnWidth);
    setSectionSize(frameGrid->horizontalHeader(), cells.columnWidth);
    setSectionSize(editGrid->verticalHeader(), cells.rowHeight);
    setSectionSize(slotGrid->verticalHeader(), cells.rowHeight);
    setSectionSize(frameGrid->verticalHeader(), cells.frameRowHeight);
    editGrid->setMinimumHeight(ElementRows * cells.frameRowHeight + frame + scrollBar);
    slotGrid->setFixedHeight(ElementRows * cells.rowHeight + 2);
    frameGrid->setFixedHeight(2 * cells.frameRowHeight + 2);
    for (const char *name : {"Label6", "Label5"})
        mForm.centralWidget()->findChild<QLabel *>(QLatin1String(name))->setFixedHeight(cells.frameRowHeight + 1);
    fitElementNames();
}

void GridZoom::fitElementNames()
{
    auto *slotGrid = mForm.centralWidget()->findChild<QTableWidget *>(QStringLiteral("SlotGrid"));
    const int widest = std::max(81, static_cast<QAbstractItemView *>(slotGrid)->sizeHintForColumn(0));
    // Whole names where there is room; the colours keep most of the width.
    const QWidget *page = slotGrid->parentWidget();
    const int width = std::min(widest, std::max(81, page->width() / 4));
    if (slotGrid->columnWidth(0) != width) {
        slotGrid->setColumnWidth(0, width);
        slotGrid->setFixedWidth(width + 2);
    }
}

bool GridZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched->objectName() == QLatin1String("EditGrid")) {
        apply();
        return false;
    }
    if (event->type() != QEvent::Wheel)
        return false;
    auto *wheel = static_cast<QWheelEvent *>(event);
    if (!(wheel->modifiers() & Qt::ControlModifier))
        return false;
    // One step per notch; a touch pad's small movements add up to one.
    mWheel += wheel->angleDelta().y();
    for (; mWheel >= 120; mWheel -= 120)
        zoomIn();
    for (; mWheel <= -120; mWheel += 120)
        zoomOut();
    return true;
}

} // namespace editor
