#include "app/screenstyle.h"

#include "platform/form.h"
#include "platform/picturebox.h"
#include "platform/stage.h"

#include <QGuiApplication>

void ApplyScreenStyle(Form &screen)
{
    screen.setBackColor(QColor(0, 78, 152));
    screen.setCaption("Kelvarin");
    if (auto *picture = screen.findChild<PictureBox *>("Picture1"))
        picture->setBackColor(QColor(49, 135, 214));
    screen.setWidth(12000);
    screen.setHeight(9000);
    const float displayWidth = screen.stage().displayWidth();
    const float displayHeight = screen.stage().displayHeight();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    screen.setTop(displayHeight / 2 - screen.Height() / 2);
    screen.setLeft(displayWidth / 2 - screen.Width() / 2);
    QGuiApplication::restoreOverrideCursor();
}

LabelDesign buttonLabel(const QString &caption, TwipsRect place)
{
    return {caption,
            place,
            {"Tahoma", 15.75f, true},
            QColor(255, 255, 0),
            QColor(0, 0, 0),
            BackStyle::Opaque,
            Alignment::Center,
            true};
}

void makeButtons(QWidget *screen, ControlArray<Label> &array, std::span<const ButtonSpec> specs,
                 const std::function<void(int)> &click, const std::function<void(int)> &hover)
{
    for (const ButtonSpec &spec : specs) {
        Label *button = makeLabel(screen, buttonLabel(spec.caption, spec.place));
        button->setVisible(spec.visible);
        const int index = spec.index;
        button->onClick = [click, index] { click(index); };
        button->onMouseMove = [hover, index](const MouseArgs &) { hover(index); };
        array.add(index, button);
    }
}
