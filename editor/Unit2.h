#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace editor {

// The glowshow type dialog: "Normal" (result 6), "Clublight" (7) or "Cancel" (2).
class TSForm : public QDialog {
    Q_OBJECT
public:
    enum Result { ResultCancel = 2, ResultNormal = 6, ResultClublight = 7 };

    explicit TSForm(QWidget *parent = nullptr);

    QLabel *Label1;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;

    // Sizes the dialog for the captions it shows now.
    void fitToCaptions();

protected:
    void reject() override; // the system menu's close counts as Cancel
};

} // namespace editor
