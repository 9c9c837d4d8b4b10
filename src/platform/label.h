#pragma once

#include "platform/control.h"

enum class BackStyle { Transparent, Opaque };
enum class Alignment { Left, Right, Center };

// A label: caption painted in its font and colour on an opaque box or straight onto whatever is
// behind it. Menu entries are labels too. A greyed (disabled) label passes the mouse on to the
// screen beneath it, so it can neither be clicked nor highlighted.
class Label : public Control
{
    Q_OBJECT
public:
    explicit Label(QWidget *container);

    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QColor ForeColor() const { return m_foreColor; }
    void setForeColor(const QColor &colour);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    BackStyle backStyle() const { return m_backStyle; }
    void setBackStyle(BackStyle style);
    void setAlignment(Alignment alignment);
    void setBorder(bool singleLine);
    void setWordWrap(bool wrap);
    void setFontSpec(const FontSpec &font);
    const FontSpec &fontSpec() const { return m_font; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_caption;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = QColor(192, 192, 192);
    BackStyle m_backStyle = BackStyle::Opaque;
    Alignment m_alignment = Alignment::Left;
    bool m_border = false;
    bool m_wordWrap = true;
    FontSpec m_font;
};

// The design values of one label, so a screen's table of labels reads like its design table.
struct LabelDesign {
    QString caption;
    TwipsRect place;
    FontSpec font;
    QColor foreColor = Qt::black;
    QColor backColor = QColor(192, 192, 192);
    BackStyle backStyle = BackStyle::Transparent;
    Alignment alignment = Alignment::Left;
    bool border = false;
};

Label *makeLabel(QWidget *container, const LabelDesign &design);
