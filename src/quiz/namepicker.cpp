// SPDX-License-Identifier: GPL-3.0-or-later
#include "quiz/namepicker.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "platform/label.h"
#include "platform/textbox.h"
#include "quiz/quizlog.h"

#include <QLineEdit>

namespace
{

constexpr int Columns = 4;
// As long as the certificate's name box takes.
constexpr int MostNameLength = 25;

const ButtonSpec buttons[] = {
    {NamePicker::NotOnTheList, {120, 7920, 3195, 495}, "Not on the list"},
    {NamePicker::PreviousNames, {3600, 7920, 3195, 495}, "<< Previous Names", false},
    {NamePicker::MoreNames, {7080, 7920, 3195, 495}, "More Names >>", false},
    {NamePicker::Exit, {10560, 7920, 1245, 495}, "Exit"},
    {NamePicker::TypedOk, {9240, 7020, 1245, 495}, "OK", false},
};

// Name i of a page: four columns, read along each row.
TwipsRect namePlace(int i)
{
    const auto column = static_cast<float>(i % Columns);
    const auto row = static_cast<float>(i / Columns);
    return {240 + 2910 * column, 1200 + 700 * row, 2640, 555};
}

} // namespace

NamePicker::NamePicker(Screens &screens) : Form(screens.stage(), lcQuiz()), m_screens(screens)
{
    Label1 =
        makeLabel(this, textLabel("Who is doing this?", {0, 120, 12000, 900},
                                  {"Tahoma", 27.75f, true}, Colour::yellow, Colour::screenBlue));
    makeNameButtons();
    makeButtons(
        this, Label3, buttons, [this](int index) { Label3_Click(index); },
        [this](int index) { Label3_MouseMove(index); });
    Label4 = makeLabel(this, textLabel("Type your first name:", {240, 7080, 3840, 495},
                                       {"Tahoma", 15.75f, true}, Colour::yellow, Colour::screenBlue,
                                       Alignment::Right));
    Label4->hide();
    Text1 = new TextBox(this);
    Text1->setPlace({4200, 6960, 4800, 615});
    Text1->setFontSpec({"Times New Roman", 24, false});
    Text1->setMaxLength(MostNameLength);
    Text1->setSpokenName("Your first name");
    Text1->onKeyPress = [this](int &key) {
        if (key == TextBox::EnterKey) {
            key = 0;
            Label3_Click(TypedOk);
        }
    };
    Text1->hide();
}

void NamePicker::makeNameButtons()
{
    for (int i = 0; i < NamesPerPage; ++i) {
        LabelDesign design = buttonLabel("", namePlace(i));
        design.font.size = 15.75f;
        Label *name = makeLabel(this, design);
        name->setWordWrap(false);
        name->hide();
        addButton(
            Label2, i, name, [this](int index) { Label2_Click(index); },
            [this](int index) { Label2_MouseMove(index); });
    }
}

void NamePicker::Form_Load()
{
    ApplyScreenStyle(*this);
}

void NamePicker::ask(const QStringList &classList, std::function<void(const QString &)> chosen)
{
    m_names = classList;
    m_chosen = std::move(chosen);
    showPage(0);
    show();
    // With no list to pick from, the pupil can only type.
    if (m_names.isEmpty())
        showTyping();
}

void NamePicker::showPage(int page)
{
    m_page = page;
    const int first = page * NamesPerPage;
    for (int i = 0; i < NamesPerPage; ++i) {
        const bool shown = first + i < m_names.size();
        Label2[i].setCaption(shown ? m_names.at(first + i) : QString());
        Label2[i].setVisible(shown);
    }
    Label3[PreviousNames].setVisible(page > 0);
    Label3[MoreNames].setVisible(first + NamesPerPage < m_names.size());
}

void NamePicker::showTyping()
{
    Label4->show();
    Text1->show();
    Label3[TypedOk].show();
    Text1->SetFocus();
}

// One button lights up under the pointer, a name or another.
void NamePicker::Label2_MouseMove(int index)
{
    clearHighlights(Label3);
    highlightButton(Label2, index);
}

void NamePicker::Label3_MouseMove(int index)
{
    clearHighlights(Label2);
    highlightButton(Label3, index);
}

void NamePicker::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label2);
    clearHighlights(Label3);
}

void NamePicker::Label2_Click(int index)
{
    playClick(m_screens);
    choose(Label2[index].Caption());
}

void NamePicker::Label3_Click(int index)
{
    playClick(m_screens);
    switch (index) {
    case NotOnTheList:
        showTyping();
        break;
    case PreviousNames:
        showPage(m_page - 1);
        break;
    case MoreNames:
        showPage(m_page + 1);
        break;
    case TypedOk: {
        const QString typed = Text1->Text().simplified();
        // A name already on the list, typed in other letters, is that pupil.
        for (const QString &name : std::as_const(m_names))
            if (name.compare(typed, Qt::CaseInsensitive) == 0)
                return choose(name);
        if (!typed.isEmpty())
            choose(typed);
        else
            Text1->SetFocus();
        break;
    }
    case Exit:
        m_screens.unload(*this);
        break;
    }
}

// The picker goes first, so whatever starts next is the screen in front.
void NamePicker::choose(const QString &name)
{
    const std::function<void(const QString &)> chosen = std::move(m_chosen);
    m_screens.unload(*this);
    if (chosen)
        chosen(name);
}

std::vector<QWidget *> NamePicker::tabOrder() const
{
    std::vector<QWidget *> order;
    for (int i = 0; i < NamesPerPage; ++i)
        order.push_back(&Label2[i]);
    order.push_back(Text1->editor());
    order.push_back(&Label3[TypedOk]);
    for (int index : {NotOnTheList, PreviousNames, MoreNames, Exit})
        order.push_back(&Label3[index]);
    return order;
}

NamePicker &Screens::namePicker()
{
    return get<NamePicker>("NamePicker");
}
