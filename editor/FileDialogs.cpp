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

QString StandardFileDialogs::exportFileName(QWidget *parent, const QStringList &filters, const QString &suggested)
{
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.selectFile(suggested);
    // The chosen filter gives a name typed without an extension its own.
    auto suffixOf = [](const QString &filter) {
        return filter.section(QStringLiteral("*."), 1).section(QLatin1Char(')'), 0, 0);
    };
    dialog.setDefaultSuffix(suffixOf(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffixOf](const QString &filter) { dialog.setDefaultSuffix(suffixOf(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString StandardFileDialogs::importFileName(QWidget *parent, const QStringList &filters)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), filters.join(QStringLiteral(";;")));
}

} // namespace editor
