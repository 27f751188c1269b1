#pragma once

#include <QMenu>

#include <functional>

namespace editor {

// Fills the grids' context menu each time it opens, so that its commands are enabled as they
// are now.
using GridMenuFiller = std::function<void(QMenu &)>;

inline void execGridMenu(QWidget *over, const GridMenuFiller &fill, const QPoint &global)
{
    if (!fill)
        return;
    QMenu menu(over);
    menu.setObjectName(QStringLiteral("TimelineMenu"));
    fill(menu);
    menu.exec(global);
}

} // namespace editor
