// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/control.h"

class QTableWidget;

// A read-only table in the screens' look: Qt's own table, so it scrolls, takes the arrow keys and
// reads to a screen reader as a table, placed in twips like every control. White cells with black
// text under yellow-on-navy headings; the rows' headings stay in view as the table scrolls across.
// Tab leaves the table rather than walking its cells.
class TableBox : public Control
{
    Q_OBJECT
public:
    explicit TableBox(QWidget *container);

    QTableWidget *table() const { return m_table; }
    // Sizes in twips, shown at the display scale.
    void setColumnWidth(int column, float twips);
    void setRowHeadingWidth(float twips);
    void setHeadingHeight(float twips);
    void setRowHeight(float twips);

protected:
    void applyFont(const QFont &font) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    int displayPixels(float twips) const;
    QTableWidget *m_table;
};
