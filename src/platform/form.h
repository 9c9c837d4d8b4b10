// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"
#include "platform/palette.h"
#include "platform/picture.h"
#include "platform/platformlog.h"
#include "platform/twipswidget.h"

#include <vector>

class Stage;
class Timer;

// The base of every screen: a child of the stage with its caption, place and size in twips,
// background colour and picture. Pointer moves over the bare screen reach Form_MouseMove; moves
// over a control stay with that control.
class Form : public TwipsWidget
{
    Q_OBJECT
public:
    // A screen logs under its folder's category, and so do the failures of its handlers, so that
    // a technician can follow one part of the program.
    explicit Form(Stage &stage, const QLoggingCategory &logCategory = lcPlatform());
    Stage &stage() const { return m_stage; }
    const QLoggingCategory &logCategory() const { return m_logCategory; }

    virtual void Form_Load() {}
    virtual void Form_MouseMove(const MouseArgs &) {}

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption) { m_caption = caption; }
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    // The screen's own background picture, drawn at its own size from the top-left corner.
    // Loads a content file; an empty path clears it. Throws FileError.
    void LoadPicture(const QString &path);
    QString pictureFile() const { return m_pictureFile; }

    // Showing a screen (show(), setVisible(true)) also brings it to the front of every other
    // screen, even when it was already visible beneath them, and takes the keyboard from the
    // screen it covers, so keys never act on a screen out of sight.
    void setVisible(bool visible) override;
    // Keeps the screen the size of the stage, now and whenever the stage changes size.
    void setFillsStage(bool fills);
    bool fillsStage() const { return m_fillsStage; }

    Timer &addTimer(int intervalMs);
    void stopTimers();

    // Moves the keyboard focus to the next (or previous) stop of this screen's tab order, coming
    // round to the first after the last. Returns whether there was a stop to go to.
    bool focusNextPrevChild(bool next) override;
    // The controls that take the keyboard from Tab, in the order Tab visits them: top to bottom,
    // then left to right, as the screen reads. A screen laid out otherwise gives its own order.
    virtual std::vector<QWidget *> tabOrder() const;
    // Whether Tab stops at this control now: it is shown and live.
    virtual bool isTabStop(const QWidget &control) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    Stage &m_stage;
    const QLoggingCategory &m_logCategory;
    QString m_caption;
    QColor m_backColor = Colour::buttonFace;
    Picture m_picture;
    QString m_pictureFile;
    bool m_fillsStage = false;
    std::vector<Timer *> m_timers;
};
