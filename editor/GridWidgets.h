#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>
#include <functional>

namespace editor {

inline constexpr int ElementRows = 6;
inline constexpr int GridColumnWidth = 36;
inline constexpr int GridRowHeight = 20;

// The colour table holds nothing itself: every cell is painted from the document.
class EditGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : ElementRows; }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : mColumns; }
    QVariant data(const QModelIndex &, int) const override { return {}; }
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    void setColumns(int columns);

private:
    int mColumns = 0;
};

// Paints each cell through a callback: (painter, cell rectangle, column, row).
class CellPaintDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using PaintCell = std::function<void(QPainter *, const QRect &, int, int)>;
    CellPaintDelegate(PaintCell paint, QObject *parent) : QStyledItemDelegate(parent), mPaint(std::move(paint)) {}
    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    PaintCell mPaint;
};

// The owner-drawn grid: reports right-button presses and moves to the window, and keeps
// the right button from moving the current cell.
class EditGridView : public QTableView {
    Q_OBJECT
public:
    explicit EditGridView(QWidget *parent = nullptr);
    // The cell under a viewport position; column -1 (and row -1) where there is none.
    QPoint cellAt(const QPoint &pos) const;
    void setColumns(int columns);
    EditGridModel *gridModel() const { return mModel; }

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void mouseMoved(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    EditGridModel *mModel;
};

// FrameGrid's editor: reports every change of the typed text, and lets the handler
// correct it at once (returning the text the cell must show).
class FrameGridDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using TextEdited = std::function<QString(int column, int row, const QString &text)>;
    FrameGridDelegate(TextEdited onEdit, QObject *parent) : QStyledItemDelegate(parent), mOnEdit(std::move(onEdit)) {}
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    TextEdited mOnEdit;
};

} // namespace editor
