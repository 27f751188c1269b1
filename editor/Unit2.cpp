#include "Unit2.h"

#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace editor {

TSForm::TSForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SForm"));
    setWindowTitle(QString());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(255, 137);

    Label1 = new QLabel(QStringLiteral("Select glowshow type"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setBold(true);
    Label1->setFont(font);
    Label1->setGeometry(0, 8, 255, 24);

    auto makeButton = [this](const char *name, const char *text, int result, int x, int y) {
        auto *b = new QPushButton(QString::fromUtf8(text), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(x, y, 100, 28);
        connect(b, &QPushButton::clicked, this, [this, result] { done(result); });
        return b;
    };
    Button1 = makeButton("Button1", "Normal", ResultNormal, 16, 48);
    Button2 = makeButton("Button2", "Clublight", ResultClublight, 16, 92);
    Button3 = makeButton("Button3", "Cancel", ResultCancel, 139, 70);
    Button1->setDefault(true);
}

void TSForm::reject()
{
    done(ResultCancel);
}

} // namespace editor
