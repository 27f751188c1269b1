#include "RecentFiles.h"

#include "ErrorBox.h"
#include "PageWidgets.h"
#include "Unit1.h"
#include "settings/SettingsStore.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace editor {

RecentFiles::RecentFiles(TMForm &form, QMenu *fileMenu)
    : QObject(&form), mForm(form), mMenu(named(new QMenu(fileMenu), "RecentFiles1"))
{
    QAction *submenu = named(mMenu->menuAction(), "ARecentFiles");
    submenu->setEnabled(false);
    fileMenu->addAction(submenu);
    form.addCaption("OpenRecent", [submenu](const QString &t) { submenu->setText(t); });
}

void RecentFiles::load()
{
    mFiles = settings::readRecentFiles(mForm.settingsStore());
    fillMenu();
}

void RecentFiles::remember(const QString &fileName)
{
    setFiles(settings::withRecentFile(mFiles, QFileInfo(fileName).absoluteFilePath()));
}

void RecentFiles::setFiles(const QStringList &files)
{
    mFiles = files;
    fillMenu();
    settings::saveRecentFiles(mForm.settingsStore(), mFiles);
}

void RecentFiles::fillMenu()
{
    mMenu->clear();
    for (int i = 0; i < mFiles.size(); ++i) {
        const QString fileName = mFiles[i];
        QString shown = QDir::toNativeSeparators(fileName);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *a = mMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        a->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(a, &QAction::triggered, this,
                [this, fileName] { runGuarded(&mForm, [this, fileName] { open(fileName); }); });
    }
    mMenu->menuAction()->setEnabled(!mFiles.isEmpty());
}

void RecentFiles::open(const QString &fileName)
{
    if (!QFileInfo(fileName).isFile()) {
        QStringList files = mFiles;
        files.removeAll(fileName);
        setFiles(files);
        showErrorBox(&mForm, mForm.uiText("RecentFileMissing").arg(QDir::toNativeSeparators(fileName)));
        return;
    }
    if (mForm.askToSaveChanges())
        mForm.openDocumentFile(fileName);
}

} // namespace editor
