// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/screenstyle.h"

#include "platform/form.h"
#include "platform/picturebox.h"
#include "platform/stage.h"

#include <QGuiApplication>

void ApplyScreenStyle(Form &screen)
{
    screen.setBackColor(Colour::screenBlue);
    screen.setCaption("Kelvarin");
    if (auto *picture = screen.findChild<PictureBox *>("Picture1"))
        picture->setBackColor(Colour::pictureBlue);
    screen.setWidth(12000);
    screen.setHeight(9000);
    const float displayWidth = screen.stage().displayWidth();
    const float displayHeight = screen.stage().displayHeight();
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    screen.setTop(displayHeight / 2 - screen.Height() / 2);
    screen.setLeft(displayWidth / 2 - screen.Width() / 2);
    QGuiApplication::restoreOverrideCursor();
}

LabelDesign buttonLabel(const QString &caption, TwipsRect place, ButtonEdge edge)
{
    return {caption,
            place,
            {"Tahoma", 15.75f, true},
            Colour::yellow,
            Colour::black,
            BackStyle::Opaque,
            Alignment::Center,
            edge == ButtonEdge::Bordered};
}

void addButton(ControlArray<Label> &array, int index, Label *button, const IndexHandler &click,
               const IndexHandler &hover)
{
    button->onClick = [click, index] { click(index); };
    // Reached by Tab only: a mouse click leaves no focus mark behind.
    button->setFocusPolicy(Qt::TabFocus);
    button->onMouseMove = [hover, index](const MouseArgs &) { hover(index); };
    array.add(index, button);
}

void makeButtons(QWidget *screen, ControlArray<Label> &array, std::span<const ButtonSpec> specs,
                 const IndexHandler &click, const IndexHandler &hover, ButtonEdge edge)
{
    for (const ButtonSpec &spec : specs) {
        Label *button = makeLabel(screen, buttonLabel(spec.caption, spec.place, edge));
        button->setVisible(spec.visible);
        button->setEnabled(spec.enabled);
        addButton(array, spec.index, button, click, hover);
    }
}

void highlightButton(ControlArray<Label> &buttons, int index)
{
    buttons[index].setBackStyle(BackStyle::Opaque);
}

void clearHighlights(ControlArray<Label> &buttons)
{
    for (const auto &[index, button] : buttons)
        button->setBackStyle(BackStyle::Transparent);
}
