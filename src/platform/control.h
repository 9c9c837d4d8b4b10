#pragma once

#include "platform/units.h"

#include <QWidget>
#include <functional>

// The mouse as handlers see it: Button and Shift are bit masks (1 left, 2 right, 4 middle;
// 1 Shift, 2 Ctrl, 4 Alt) and X, Y are twips from the control's own top-left corner.
struct MouseArgs {
    int button = 0;
    int shift = 0;
    float x = 0;
    float y = 0;
};

MouseArgs mouseArgs(const QMouseEvent &event, bool releasedButtonOnly = false);

// Base of every control: keeps Left, Top, Width and Height in twips as floats (the model's own
// values) and swallows its own mouse events, handing them to the screen's handlers.
// The button that went down keeps the mouse until it is released (Qt's implicit grab), so a fast
// drag never loses its control.
class Control : public QWidget
{
    Q_OBJECT
public:
    explicit Control(QWidget *container);

    float Left() const { return m_rect.left; }
    float Top() const { return m_rect.top; }
    float Width() const { return m_rect.width; }
    float Height() const { return m_rect.height; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    void setPlace(const TwipsRect &rect);
    const TwipsRect &place() const { return m_rect; }

    bool Visible() const { return !isHidden(); }

    std::function<void()> onClick;
    std::function<void(const MouseArgs &)> onMouseDown;
    std::function<void(const MouseArgs &)> onMouseMove;
    std::function<void(const MouseArgs &)> onMouseUp;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    virtual void clicked();

private:
    void applyGeometry();
    TwipsRect m_rect;
    bool m_pressedInside = false;
};
