// Files that reach the window other than through Open's dialog: dropped on it or chosen
// from File > Open Recent.
#include "Unit1.h"

#include "ErrorBox.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QUrl>

namespace editor {

QString TMForm::droppedGlowFile(const QMimeData *data)
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

void TMForm::dragEnterEvent(QDragEnterEvent *event)
{
    // While the preview plays, the File menu is off and so is opening by drop.
    if (File2->isEnabled() && !droppedGlowFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TMForm::dropEvent(QDropEvent *event)
{
    const QString fileName = droppedGlowFile(event->mimeData());
    if (!File2->isEnabled() || fileName.isEmpty()) {
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
        else if (File2->isEnabled() && !droppedGlowFile(drop->mimeData()).isEmpty())
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

void TMForm::rememberRecentFile(const QString &fileName)
{
    setRecentFiles(settings::withRecentFile(mRecentFiles, QFileInfo(fileName).absoluteFilePath()));
}

void TMForm::setRecentFiles(const QStringList &files)
{
    mRecentFiles = files;
    fillRecentMenu();
    settings::saveRecentFiles(settingsStore(), mRecentFiles);
}

void TMForm::fillRecentMenu()
{
    RecentFiles1->clear();
    for (int i = 0; i < mRecentFiles.size(); ++i) {
        const QString fileName = mRecentFiles[i];
        QString shown = QDir::toNativeSeparators(fileName);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *a = RecentFiles1->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        a->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(a, &QAction::triggered, this,
                [this, fileName] { runGuarded(this, [this, fileName] { openRecentFile(fileName); }); });
    }
    ARecentFilesAction->setEnabled(!mRecentFiles.isEmpty());
}

void TMForm::openRecentFile(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        QStringList files = mRecentFiles;
        files.removeAll(fileName);
        setRecentFiles(files);
        showErrorBox(this, uiText("RecentFileMissing").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    if (askToSaveChanges())
        openDocumentFile(fileName);
}

} // namespace editor
