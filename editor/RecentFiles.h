#pragma once

#include <QObject>
#include <QStringList>

class QMenu;

namespace editor {

class TMForm;

// File > Open Recent: the files read last, the latest first, kept in the settings between runs.
class RecentFiles : public QObject {
    Q_OBJECT
public:
    // Adds the submenu to `fileMenu` at its end.
    RecentFiles(TMForm &form, QMenu *fileMenu);

    QStringList files() const { return mFiles; }
    // Takes the stored list.
    void load();
    // Puts a file just read at the front of the list and stores the list.
    void remember(const QString &fileName);

private:
    // A file that no longer exists leaves the list, with a message.
    void open(const QString &fileName);
    void setFiles(const QStringList &files);
    void fillMenu();

    TMForm &mForm;
    QMenu *mMenu;
    QStringList mFiles;
};

} // namespace editor
