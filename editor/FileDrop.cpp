// A .pat file dropped on the window opens as File > Open would open it.
#include "Unit1.h"

#include "ErrorBox.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace editor {

namespace {

// The single .pat file a drop carries, or an empty name when the drop is not one.
QString droppedGlowFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return {};
    const QFileInfo file(urls.front().toLocalFile());
    if (file.isDir() || file.suffix().compare(QLatin1String("pat"), Qt::CaseInsensitive) != 0)
        return {};
    return file.absoluteFilePath();
}

} // namespace

void TMForm::dragEnterEvent(QDragEnterEvent *event)
{
    // While the preview plays, the File menu is off and so is opening by drop.
    if (menu("File2")->isEnabled() && !droppedGlowFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMForm::dropEvent(QDropEvent *event)
{
    const QString fileName = droppedGlowFile(event->mimeData());
    if (!menu("File2")->isEnabled() || fileName.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    runGuarded(this, [this, fileName] {
        if (askToSaveChanges())
            openDocumentFile(fileName);
    });
}

bool TMForm::eventFilter(QObject *watched, QEvent *event)
{
    // A file dragged over a text field opens like one dropped anywhere else, instead of
    // pasting its name; other drags stay the field's.
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasUrls())
            break;
        if (event->type() == QEvent::Drop)
            dropEvent(drop);
        else if (menu("File2")->isEnabled() && !droppedGlowFile(drop->mimeData()).isEmpty())
            drop->acceptProposedAction();
        else
            drop->ignore();
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace editor
