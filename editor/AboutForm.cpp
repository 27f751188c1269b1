#include "AboutForm.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTextBlockFormat>
#include <QTextCursor>

namespace editor {

namespace {

QFrame *bevel(QWidget *parent, const char *name, const QRect &r)
{
    auto *f = new QFrame(parent);
    f->setObjectName(QString::fromLatin1(name));
    f->setFrameStyle(QFrame::Box | QFrame::Sunken);
    f->setGeometry(r);
    return f;
}

// The title picture: the program's name lettered in the glow colours.
QPixmap titlePicture()
{
    QPixmap pm(201, 33);
    pm.fill(QColor(24, 24, 40));
    QPainter p(&pm);
    QLinearGradient g(0, 0, 201, 0);
    g.setColorAt(0, QColor(255, 64, 64));
    g.setColorAt(0.5, QColor(64, 255, 128));
    g.setColorAt(1, QColor(64, 128, 255));
    p.setPen(QPen(QBrush(g), 1));
    QFont f = p.font();
    f.setPixelSize(18);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pm.rect().adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Glowshow Editor"));
    return pm;
}

} // namespace

TAForm::TAForm(const std::function<void(TAForm *)> &onCreate, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AForm"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(313, 298);

    bevel(this, "Bevel1", QRect(8, 8, 36, 36));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(10, 10, 32, 32);
    Image1->setPixmap(QApplication::style()->standardIcon(QStyle::SP_DesktopIcon).pixmap(32, 32));

    bevel(this, "Bevel2", QRect(52, 8, 205, 37));
    Image2 = new QLabel(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(54, 10, 201, 33);
    Image2->setPixmap(titlePicture());

    Label2 = new QLabel(QStringLiteral("v2.1.1"), Image2);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setStyleSheet(QStringLiteral("color: white"));
    Label2->setGeometry(160, 18, 40, 14);

    Label1 = new QLabel(QStringLiteral("Written by the Glowshow Editor developers"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(8, 52, 297, 16);
    Label1->setAlignment(Qt::AlignCenter);

    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setAcceptRichText(false);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setBackgroundRole(QPalette::Window);
    Memo1->setGeometry(8, 74, 297, 180);

    Button1 = new QPushButton(QStringLiteral("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setGeometry(119, 262, 75, 27);
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, [this] { done(1); });

    if (onCreate)
        onCreate(this);
}

void TAForm::setLines(const QStringList &lines)
{
    Memo1->setPlainText(lines.join(QLatin1Char('\n')));
    QTextCursor all(Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    all.mergeBlockFormat(centred);
}

} // namespace editor
