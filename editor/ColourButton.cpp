#include "ColourButton.h"

#include "model/Clip.h"

#include <QFormLayout>
#include <QMenu>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QWidgetAction>

namespace editor {

ColourButton::ColourButton(QWidget *parent) : QToolButton(parent)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("ColourMenu"));
    auto *sliders = new QWidget(menu);
    auto *form = new QFormLayout(sliders);
    const auto slider = [&](const char *name, const char *label) {
        auto *s = new QSlider(Qt::Horizontal);
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(0, 15);
        s->setPageStep(4);
        s->setMinimumWidth(160);
        connect(s, &QSlider::valueChanged, this, &ColourButton::sliderMoved);
        form->addRow(QString::fromLatin1(label), s);
        return s;
    };
    mRed = slider("ColourRed", "R");
    mGreen = slider("ColourGreen", "G");
    mBlue = slider("ColourBlue", "B");
    auto *action = new QWidgetAction(menu);
    action->setDefaultWidget(sliders);
    menu->addAction(action);
    setMenu(menu);
    setPopupMode(QToolButton::InstantPopup);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    showColour();
}

void ColourButton::setColour(const model::Colour &colour)
{
    mColour = colour;
    for (QSlider *s : {mRed, mGreen, mBlue}) {
        const QSignalBlocker block(s);
        s->setValue(s == mRed ? colour.Red : s == mGreen ? colour.Green : colour.Blue);
    }
    showColour();
}

void ColourButton::sliderMoved()
{
    mColour = {std::uint8_t(mRed->value()), std::uint8_t(mGreen->value()), std::uint8_t(mBlue->value())};
    showColour();
    emit colourChanged(mColour);
}

void ColourButton::showColour()
{
    QPixmap swatch(24, 16);
    swatch.fill(QColor(mColour.Red * 17, mColour.Green * 17, mColour.Blue * 17));
    QPainter(&swatch).drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    setIcon(swatch);
    setText(QString::fromStdString(model::colourText(mColour)));
}

} // namespace editor
