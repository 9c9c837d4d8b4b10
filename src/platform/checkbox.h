#pragma once

#include "platform/control.h"

// A check box holding 0 (clear) or 1 (ticked). Its click handler runs whenever its value
// changes, by the user or by the program.
class CheckBox : public Control
{
    Q_OBJECT
public:
    explicit CheckBox(QWidget *container);

    int Value() const { return m_value; }
    void setValue(int value);
    void setCaption(const QString &caption);
    void setColours(const QColor &fore, const QColor &back);
    void setFontSpec(const FontSpec &font);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void clicked() override;

private:
    QString m_caption;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = QColor(192, 192, 192);
    int m_value = 0;
};
