#pragma once

#include <QString>

class QWidget;

namespace editor {

// The Open and Save dialogs, behind a seam so tests can supply the chosen name.
// An empty result means the user cancelled.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    virtual QString openFileName(QWidget *parent) = 0;
    virtual QString saveFileName(QWidget *parent) = 0;
    // A Save dialog for an export: `filters` as QFileDialog takes them, the first one's
    // extension added to a name typed without one; `suggested` is the proposed name.
    virtual QString exportFileName(QWidget *parent, const QStringList &filters, const QString &suggested) = 0;
    // An Open dialog for a file to import: `filters` as QFileDialog takes them.
    virtual QString importFileName(QWidget *parent, const QStringList &filters) = 0;
};

// The real dialogs: default extension "pat", filter "All glowshow files|*.pat|All files|*.*";
// Open accepts a name that does not exist, Save does not ask before replacing.
class StandardFileDialogs : public FileDialogs {
public:
    QString openFileName(QWidget *parent) override;
    QString saveFileName(QWidget *parent) override;
    QString exportFileName(QWidget *parent, const QStringList &filters, const QString &suggested) override;
    QString importFileName(QWidget *parent, const QStringList &filters) override;
};

} // namespace editor
