#include "Unit2.h"

#include "ControlText.h"

#include <QFont>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace editor {

TSForm::TSForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SForm"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    Label1 = new QLabel(QStringLiteral("Select glowshow type"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    Label1->setFont(font);

    auto makeButton = [this](const char *name, const char *text, int result) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setMinimumSize(100, 28);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    Button1 = makeButton("Button1", "Normal", ResultNormal);
    Button2 = makeButton("Button2", "Clublight", ResultClublight);
    Button3 = makeButton("Button3", "Cancel", ResultCancel);
    Button1->setDefault(true);

    // Normal above Clublight on the left, Cancel on the right level between them.
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(16, 8, 16, 12);
    grid->setVerticalSpacing(16);
    grid->addWidget(Label1, 0, 0, 1, 3);
    grid->addWidget(Button1, 1, 0);
    grid->addWidget(Button2, 2, 0);
    grid->addWidget(Button3, 1, 2, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    fitToCaptions();
}

void TSForm::fitToCaptions()
{
    // The designed size, larger for a language whose captions need it.
    fitFixedSize(this, QSize(255, 137));
}

void TSForm::reject()
{
    done(ResultCancel);
}

} // namespace editor
