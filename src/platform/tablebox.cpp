// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/tablebox.h"

#include "platform/displayscale.h"
#include "platform/palette.h"

#include <QHeaderView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace
{

QString tableStyle()
{
    const QString sheet = QStringLiteral(
        "QTableWidget { background: %1; color: %2; gridline-color: %3; }"
        "QHeaderView { background: %4; }"
        "QHeaderView::section { background: %4; color: %5;"
        " border: 0px; border-right: 1px solid %6; border-bottom: 1px solid %6; padding: 2px; }"
        "QTableCornerButton::section { background: %4; border: 0px; }");
    return sheet.arg(Colour::white.name(), Colour::black.name(), Colour::greyText.name(),
                     Colour::navy.name(), Colour::yellow.name(), Colour::screenBlue.name());
}

// The chosen cell is framed rather than filled, so its own colour still shows.
class FramedChoiceDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem plain = option;
        plain.state &= ~(QStyle::State_Selected | QStyle::State_HasFocus);
        QStyledItemDelegate::paint(painter, plain, index);
        if (!(option.state & QStyle::State_Selected))
            return;
        painter->save();
        painter->setPen(QPen(Colour::navy, 2));
        painter->drawRect(QRectF(option.rect).adjusted(1, 1, -1, -1));
        painter->restore();
    }
};

} // namespace

TableBox::TableBox(QWidget *container) : Control(container), m_table(new QTableWidget(this))
{
    setFocusProxy(m_table);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(true);
    m_table->setStyleSheet(tableStyle());
    m_table->setItemDelegate(new FramedChoiceDelegate(m_table));
    // Long titles wrap onto the headings' further lines.
    m_table->horizontalHeader()->setDefaultAlignment(
        Qt::Alignment::fromInt(Qt::AlignCenter | Qt::TextWordWrap));
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setFontSpec(FontSpec{});
}

int TableBox::displayPixels(float twips) const
{
    return toDisplayPixels(twips / TwipsPerPixel, displayScale());
}

void TableBox::setColumnWidth(int column, float twips)
{
    m_table->setColumnWidth(column, displayPixels(twips));
}

void TableBox::setRowHeadingWidth(float twips)
{
    m_table->verticalHeader()->setFixedWidth(displayPixels(twips));
}

void TableBox::setHeadingHeight(float twips)
{
    m_table->horizontalHeader()->setFixedHeight(displayPixels(twips));
}

void TableBox::setRowHeight(float twips)
{
    m_table->verticalHeader()->setDefaultSectionSize(displayPixels(twips));
}

// The table is Qt's own widget and paints unscaled, so its font is given at the display scale.
void TableBox::applyFont(const QFont &font)
{
    QFont scaled = scaledForChild(font);
    m_table->setFont(scaled);
    // The headings are set apart in bold; given their own font, they keep to the scale.
    scaled.setBold(true);
    m_table->horizontalHeader()->setFont(scaled);
    m_table->verticalHeader()->setFont(scaled);
}

// The table is the whole box.
void TableBox::resizeEvent(QResizeEvent *)
{
    m_table->setGeometry(rect());
}
