#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QTextEdit;
class QPushButton;

namespace editor {

// The About box. Its creation runs the main window's start-up (`onCreate`), so the start-up
// sees all three windows.
class TAForm : public QDialog {
    Q_OBJECT
public:
    explicit TAForm(const std::function<void(TAForm *)> &onCreate, QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Image2;
    QLabel *Label1;
    QLabel *Label2;
    QTextEdit *Memo1;
    QPushButton *Button1;

    // Replaces the memo's lines, centred.
    void setLines(const QStringList &lines);
};

} // namespace editor
