// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/accessible.h"

#include "platform/checkbox.h"
#include "platform/commandbutton.h"
#include "platform/handleredge.h"
#include "platform/label.h"
#include "platform/optionbutton.h"
#include "platform/pictureholder.h"
#include "platform/stage.h"
#include "platform/tablebox.h"

#include <QAccessibleWidget>

namespace
{

// Screens lie one over another on the stage, and Qt counts a control under another screen as
// visible. A control wholly under a later sibling, or inside something that is, is not on show.
bool isCovered(const QWidget *widget)
{
    for (const QWidget *w = widget; w->parentWidget() && !w->isWindow(); w = w->parentWidget()) {
        const QObjectList &siblings = w->parentWidget()->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto *above = qobject_cast<const QWidget *>(siblings[i]);
            if (above && !above->isWindow() && above->isVisible() &&
                above->geometry().contains(w->geometry()))
                return true;
        }
    }
    return false;
}

} // namespace

// What a screen reader asks of a control, answered from the control's own properties each time,
// so it always says what the screen shows.
class ControlAccessible : public QAccessibleWidget
{
public:
    explicit ControlAccessible(Control *control) : QAccessibleWidget(control) {}

    QAccessible::Role role() const override
    {
        if (qobject_cast<const OptionButton *>(object()))
            return QAccessible::RadioButton;
        if (qobject_cast<const CheckBox *>(object()))
            return QAccessible::CheckBox;
        if (qobject_cast<const CommandButton *>(object()) || isClickableLabel())
            return QAccessible::Button;
        if (qobject_cast<const Label *>(object()))
            return QAccessible::StaticText;
        return QAccessible::Graphic;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name)
            return QAccessibleWidget::text(t);
        const QString given = widget()->accessibleName();
        return given.isEmpty() ? caption() : given;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (isCovered(widget()))
            state.invisible = true;
        if (const auto *check = qobject_cast<const CheckBox *>(object())) {
            state.checkable = true;
            state.checked = check->Value() == 1;
        } else if (const auto *option = qobject_cast<const OptionButton *>(object())) {
            state.checkable = true;
            state.checked = option->Value();
        }
        return state;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (const QString click = clickAction(); !click.isEmpty())
            names.prepend(click);
        return names;
    }

    // A screen reader's "press" or "toggle" is a click, through the same handler as the mouse's.
    void doAction(const QString &name) override
    {
        if (name.isEmpty() || name != clickAction() || !widget()->isEnabled()) {
            QAccessibleWidget::doAction(name);
            return;
        }
        Control *control = this->control();
        runHandler(*control, [control] { control->clicked(); });
    }

protected:
    Control *control() const { return static_cast<Control *>(widget()); }

    QString caption() const
    {
        if (const auto *label = qobject_cast<const Label *>(object()))
            return label->Caption();
        if (const auto *button = qobject_cast<const CommandButton *>(object()))
            return button->Caption();
        if (const auto *choice = qobject_cast<const ChoiceButton *>(object()))
            return choice->Caption();
        return {};
    }

private:
    // Menu entries and the screens' buttons are labels that answer a click.
    bool isClickableLabel() const
    {
        return qobject_cast<const Label *>(object()) && control()->onClick;
    }

    QString clickAction() const
    {
        if (qobject_cast<const ChoiceButton *>(object()))
            return QAccessibleActionInterface::toggleAction();
        if (role() == QAccessible::Button)
            return QAccessibleActionInterface::pressAction();
        return {};
    }
};

namespace
{

// A picture that holds words, as a page does, reads as a document: its first line names it and
// its whole text can be read line by line. Other pictures are graphics named by their screen.
class PictureAccessible : public ControlAccessible, public QAccessibleTextInterface
{
public:
    explicit PictureAccessible(PictureHolder *holder) : ControlAccessible(holder) {}

    QAccessible::Role role() const override
    {
        return words().isEmpty() ? QAccessible::Graphic : QAccessible::Document;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return words().section(u'\n', 0, 0);
        return ControlAccessible::text(t);
    }

    void *interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::TextInterface && !words().isEmpty())
            return static_cast<QAccessibleTextInterface *>(this);
        return ControlAccessible::interface_cast(t);
    }

    QString text(int startOffset, int endOffset) const override
    {
        return words().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(words().size()); }

    // The words are read, never selected or edited, and have no caret.
    void selection(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QString words() const { return static_cast<PictureHolder *>(widget())->picture().text(); }
};

QAccessibleInterface *controlAccessible(const QString &, QObject *object)
{
    // The stage is the program's window, named by its title, where a screen reader starts.
    if (auto *stage = qobject_cast<Stage *>(object))
        return new QAccessibleWidget(stage, QAccessible::Window);
    if (auto *holder = qobject_cast<PictureHolder *>(object))
        return new PictureAccessible(holder);
    // Only a frame round Qt's own table, which reads as a table.
    if (auto *table = qobject_cast<TableBox *>(object))
        return new QAccessibleWidget(table, QAccessible::Pane);
    if (auto *control = qobject_cast<Control *>(object))
        return new ControlAccessible(control);
    return nullptr;
}

} // namespace

void installControlAccessibility()
{
    QAccessible::installFactory(controlAccessible);
}

void announceNameChange(QObject *control)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

void announceStateChange(QObject *control, QAccessible::State changed)
{
    if (!QAccessible::isActive())
        return;
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}
