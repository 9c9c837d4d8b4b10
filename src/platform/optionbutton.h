#pragma once

#include "platform/control.h"

// A round option button. The option buttons that share a container form one group: selecting
// one clears the others. Its click handler runs whenever its value turns true, whether the user
// chose it or the program set it.
class OptionButton : public Control
{
    Q_OBJECT
public:
    explicit OptionButton(QWidget *container);

    bool Value() const { return m_value; }
    void setValue(bool value);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    void setColours(const QColor &fore, const QColor &back);
    QColor BackColor() const { return m_backColor; }
    void setBackColor(const QColor &colour);
    void setFontSpec(const FontSpec &font);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void clicked() override;

private:
    void clearSiblings();
    QString m_caption;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = QColor(192, 192, 192);
    bool m_value = false;
};

// Paints the check mark or option dot and the caption beside it, shared with CheckBox.
void paintChoice(QWidget &widget, bool round, bool checked, const QString &caption,
                 const QColor &fore, const QColor &back);
