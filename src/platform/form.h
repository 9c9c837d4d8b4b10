#pragma once

#include "platform/control.h"
#include "platform/picture.h"

#include <QWidget>
#include <vector>

class Stage;
class Timer;

// The base of every screen: a child of the stage with its caption, place and size in twips,
// background colour and picture. Pointer moves over the bare screen reach Form_MouseMove; moves
// over a control stay with that control.
class Form : public QWidget
{
    Q_OBJECT
public:
    explicit Form(Stage &stage);
    Stage &stage() const { return m_stage; }

    virtual void Form_Load() {}
    virtual void Form_MouseMove(const MouseArgs &) {}

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    float Left() const { return m_rect.left; }
    float Top() const { return m_rect.top; }
    float Width() const { return m_rect.width; }
    float Height() const { return m_rect.height; }
    void setLeft(float left);
    void setTop(float top);
    void setWidth(float width);
    void setHeight(float height);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    // The screen's own background picture, drawn at its own size from the top-left corner.
    // Loads a content file; an empty path clears it. Throws FileError.
    void LoadPicture(const QString &path);
    QString pictureFile() const { return m_pictureFile; }

    // Makes the screen visible and brings it to the front of every other screen.
    void show();
    // Keeps the screen the size of the stage, now and whenever the stage changes size.
    void setFillsStage(bool fills);
    bool fillsStage() const { return m_fillsStage; }

    Timer &addTimer(int intervalMs);
    void stopTimers();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    // Tab and Shift+Tab go round this screen's own controls, never onto a screen it covers.
    bool focusNextPrevChild(bool next) override;

private:
    void applyGeometry();
    Stage &m_stage;
    QString m_caption;
    TwipsRect m_rect;
    QColor m_backColor = QColor(192, 192, 192);
    Picture m_picture;
    QString m_pictureFile;
    bool m_fillsStage = false;
    std::vector<Timer *> m_timers;
};
