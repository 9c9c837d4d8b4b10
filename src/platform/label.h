// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

class QPainter;

enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Right, Center };

// A label: caption painted in its font and colour on an opaque box or straight onto whatever is
// behind it. Menu entries are labels too. A greyed (disabled) label passes the mouse on to the
// screen beneath it, so it can neither be clicked nor highlighted. A label that acts as a button
// takes the keyboard from Tab, and Space or Enter clicks it.
class Label : public Control
{
    Q_OBJECT
public:
    explicit Label(QWidget *container);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour) { setAndRepaint(m_foreColor, colour); }
    BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(BackStyle style) { setAndRepaint(m_backStyle, style); }
    void setAlignment(Alignment alignment) { setAndRepaint(m_alignment, alignment); }
    void setBorder(bool singleLine) { setAndRepaint(m_border, singleLine); }
    void setWordWrap(bool wrap) { setAndRepaint(m_wordWrap, wrap); }
    // Marked as picked up, to be put down somewhere else.
    bool isHeld() const { return m_held; }
    void setHeld(bool held) { setAndRepaint(m_held, held); }

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void paintLook(QPainter &painter);

    QString m_caption;
    QColor m_foreColor = Colour::black;
    BackStyle m_backStyle = BackStyle::Opaque;
    Alignment m_alignment = Alignment::Left;
    bool m_border = false;
    bool m_wordWrap = true;
    bool m_held = false;
};

// The design values of one label, so a screen's table of labels reads like its design table.
struct LabelDesign {
    QString caption;
    TwipsRect place;
    FontSpec font;
    QColor foreColor = Colour::black;
    QColor backColor = Colour::buttonFace;
    BackStyle backStyle = BackStyle::Transparent;
    Alignment alignment = Alignment::Left;
    bool border = false;
};

// A caption written straight onto whatever lies behind it, as headings and notes are.
LabelDesign textLabel(const QString &caption, TwipsRect place, const FontSpec &font,
                      const QColor &fore, const QColor &back,
                      Alignment alignment = Alignment::Center);

Label *makeLabel(QWidget *container, const LabelDesign &design);
