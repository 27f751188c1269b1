#include "ErrorBox.h"

#include <QMessageBox>
#include <QString>
#include <exception>

namespace editor {

void showErrorBox(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(ApplicationTitle), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool runGuarded(QWidget *parent, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const std::exception &e) {
        showErrorBox(parent, QString::fromUtf8(e.what()));
    }
    return false;
}

} // namespace editor
