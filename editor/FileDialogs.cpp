#include "FileDialogs.h"

#include <QFileDialog>

namespace editor {

namespace {

const QStringList nameFilters{QStringLiteral("All glowshow files (*.pat)"), QStringLiteral("All files (*)")};

QString runDialog(QWidget *parent, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setNameFilters(nameFilters);
    dialog.setDefaultSuffix(QStringLiteral("pat"));
    if (mode == QFileDialog::AcceptOpen)
        dialog.setFileMode(QFileDialog::AnyFile); // a missing name is reported by the reader
    else
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString StandardFileDialogs::openFileName(QWidget *parent)
{
    return runDialog(parent, QFileDialog::AcceptOpen);
}

QString StandardFileDialogs::saveFileName(QWidget *parent)
{
    return runDialog(parent, QFileDialog::AcceptSave);
}

} // namespace editor
