// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

#include <QStringList>
#include <functional>

class Label;
class Screens;
class TextBox;

// "Who is doing this?": while the class record is on, the pupil picks their name from the class
// list, one large button a name, before a quiz, worksheet or activity starts; a pupil not on the
// list types their name instead. Exit goes back without starting anything.
class NamePicker : public Form
{
    Q_OBJECT
public:
    explicit NamePicker(Screens &screens);

    enum Label3Button { NotOnTheList = 0, PreviousNames = 1, MoreNames = 2, Exit = 3, TypedOk = 4 };
    static constexpr int NamesPerPage = 32;

    void Form_Load() override;
    // Shows the class list; the chosen name goes to chosen, after this screen has gone.
    void ask(const QStringList &classList, std::function<void(const QString &)> chosen);
    void Form_MouseMove(const MouseArgs &args) override;
    void Label2_Click(int index);
    void Label2_MouseMove(int index);
    void Label3_Click(int index);
    void Label3_MouseMove(int index);
    std::vector<QWidget *> tabOrder() const override;

    Label *Label1;              // "Who is doing this?"
    ControlArray<Label> Label2; // the names of this page, 0 to NamesPerPage - 1
    ControlArray<Label> Label3; // the other buttons, by Label3Button
    Label *Label4;              // "Type your first name:"
    TextBox *Text1;             // the typed name

private:
    void makeNameButtons();
    void showPage(int page);
    void showTyping();
    void choose(const QString &name);
    Screens &m_screens;
    QStringList m_names;
    int m_page = 0;
    std::function<void(const QString &)> m_chosen;
};
