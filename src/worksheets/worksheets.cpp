// SPDX-License-Identifier: GPL-3.0-or-later
#include "worksheets/worksheets.h"

#include "app/screens.h"
#include "app/screenstyle.h"
#include "app/sounds.h"
#include "platform/checkbox.h"
#include "platform/label.h"
#include "platform/messageboxes.h"
#include "quiz/multiple.h"
#include "quiz/pupilturn.h"
#include "quiz/questionset.h"
#include "quiz/quizsession.h"
#include "worksheets/recordsettings.h"
#include "worksheets/wizard.h"
#include "worksheets/worksheetindex.h"
#include "worksheets/worksheetlist.h"
#include "worksheets/worksheetslog.h"
#include "worksheets/worksheettitle.h"

#include <algorithm>

namespace
{

constexpr int SlotsPerPage = 24;
constexpr int SlotsPerColumn = 12;

const ButtonSpec pageButtons[] = {
    {Worksheets::PreviousPage, {2640, 7920, 3195, 495}, "<< Previous Page", false},
    {Worksheets::NextPage, {6000, 7920, 3195, 495}, "Next Page >>", false},
};

// Slot i: 1 to 12 down the left column, 13 to 24 down the right.
TwipsRect slotPlace(int i)
{
    const float left = i <= SlotsPerColumn ? 120 : 6120;
    return {left, 720 + 600 * static_cast<float>((i - 1) % SlotsPerColumn), 5715, 375};
}

CheckBox *makeModeBox(QWidget *screen, const QString &caption, float left, const QColor &colour)
{
    auto *box = new CheckBox(screen);
    box->setCaption(caption);
    box->setPlace({left, 120, 2535, 375});
    box->setFontSpec({"Tahoma", 12, true});
    box->setColours(colour, Colour::buttonFace);
    return box;
}

} // namespace

Worksheets::Worksheets(Screens &screens) : Form(screens.stage(), lcWorksheets()), m_screens(screens)
{
    Label1 = makeLabel(this, textLabel("Worksheets Catalogue", {0, 0, 12000, 780},
                                       {"Tahoma", 24, true}, Colour::yellow, Colour::screenBlue));
    // Made after the heading, so they lie over it.
    Check1 = makeModeBox(this, "Edit Worksheet", 120, Colour::yellow);
    Check2 = makeModeBox(this, "Delete Worksheet", 9240, Colour::red);
    Check1->onClick = [this] { Check1_Click(); };
    Check2->onClick = [this] { Check2_Click(); };
    makeSlots();
    makePageButtons();
    makeRebuildButton();
    makeRecordButton();
    Label4 = makeLabel(this, {"Page 1",
                              {120, 7920, 1995, 495},
                              {"Tahoma", 15.75f, true},
                              Colour::blue,
                              Colour::white,
                              BackStyle::Opaque,
                              Alignment::Center,
                              true});
}

// "Exit" first, then the title slots; none wraps its caption.
void Worksheets::makeSlots()
{
    for (int i = ExitSlot; i <= SlotsPerPage; ++i) {
        const bool isExit = i == ExitSlot;
        LabelDesign design =
            isExit ? buttonLabel("Exit", {10560, 7920, 1245, 495}) : buttonLabel("", slotPlace(i));
        design.font.size = isExit ? 18 : 12;
        Label *slot = makeLabel(this, design);
        slot->setWordWrap(false);
        addButton(
            Label2, i, slot, [this](int index) { Label2_Click(index); },
            [this](int index) { Label2_MouseMove(index); });
    }
}

// The page buttons have no highlight of their own.
void Worksheets::makePageButtons()
{
    ::makeButtons(
        this, Label3, pageButtons, [this](int index) { Label3_Click(index); }, [](int) {});
}

// Under the bottom row, centred, clear of the page buttons: it is there only while the index is
// damaged, so it never hides another control.
void Worksheets::makeRebuildButton()
{
    LabelDesign design = buttonLabel("Rebuild the list", {4402, 8460, 3195, 420});
    design.font.size = 12;
    Label5 = makeLabel(this, design);
    Label5->setWordWrap(false);
    Label5->onClick = [this] { Label5_Click(); };
    Label5->setFocusPolicy(Qt::TabFocus);
    Label5->hide();
}

// Under "Page 1", in the corner the page buttons and "Rebuild the list" leave free.
void Worksheets::makeRecordButton()
{
    LabelDesign design = buttonLabel("Class Record", {120, 8460, 1995, 420});
    design.font.size = 12;
    Label6 = makeLabel(this, design);
    Label6->setWordWrap(false);
    Label6->onClick = [this] { Label6_Click(); };
    Label6->setFocusPolicy(Qt::TabFocus);
}

// The titles are a list down two columns, read in the list's order.
std::vector<QWidget *> Worksheets::tabOrder() const
{
    std::vector<QWidget *> order{Check1, Check2};
    for (int slot = 1; slot <= SlotsPerPage; ++slot)
        order.push_back(&Label2[slot]);
    order.push_back(&Label3[PreviousPage]);
    order.push_back(&Label3[NextPage]);
    order.push_back(Label5);
    order.push_back(Label6);
    order.push_back(&Label2[ExitSlot]);
    return order;
}

void Worksheets::Form_Load()
{
    ApplyScreenStyle(*this);
    WorksheetList &m = m_screens.state<WorksheetList>();
    readIndexSkippingFailures(m_screens.classroom(), m);
    Check1->setColours(Colour::yellow, Colour::screenBlue);
    Check2->setColours(Colour::red, Colour::screenBlue);
    m.CataloguePage = 0;
    for (int i = 1; i <= SlotsPerPage; ++i) {
        Label2[i].hide();
        FontSpec font = Label2[i].fontSpec();
        font.size = 12;
        Label2[i].setFontSpec(font);
    }
    int last = m.WorksheetCount;
    if (m.WorksheetCount >= SlotsPerPage + 1) {
        last = SlotsPerPage;
        Label3[NextPage].show();
    }
    for (int i = 1; i <= last; ++i) {
        Label2[i].setCaption(m.WorksheetTitles[i]);
        Label2[i].show();
    }
    showRebuildWhenDamaged();
}

void Worksheets::showRebuildWhenDamaged()
{
    Label5->setVisible(indexIsDamaged(m_screens.classroom()));
}

void Worksheets::showList()
{
    readIndexSkippingFailures(m_screens.classroom(), m_screens.state<WorksheetList>());
    workpage();
    showRebuildWhenDamaged();
}

// Nothing is lost: the old index is kept beside the new one, and every worksheet file the old one
// no longer lists is listed again.
void Worksheets::Label5_Click()
{
    MessageBoxes &messages = m_screens.platform().messageBoxes;
    try {
        rebuildIndex(m_screens.classroom(), m_screens.state<WorksheetList>());
    } catch (const FileError &error) {
        qCWarning(lcWorksheets) << "cannot rebuild the worksheet index:" << error.what();
        messages.show("The list of worksheets could not be rebuilt.\n" +
                      QString::fromStdString(error.what()));
        playClick(m_screens);
        return;
    }
    m_screens.state<WorksheetList>().CataloguePage = 0;
    showList();
    const int count = m_screens.state<WorksheetList>().WorksheetCount;
    messages.show("The list of worksheets has been rebuilt; it lists " + QString::number(count) +
                  (count == 1 ? " worksheet" : " worksheets") +
                  ". The old list is kept as multiple/track.txt.bak.");
    playClick(m_screens);
}

void Worksheets::Label6_Click()
{
    m_screens.recordSettings().open();
    playClick(m_screens);
}

// "Next Page >>" goes only on the last page, wherever that falls in the 1000 entries.
void Worksheets::workpage()
{
    const WorksheetList &m = m_screens.state<WorksheetList>();
    const int first = SlotsPerPage * m.CataloguePage;
    for (int i = 1; i <= SlotsPerPage; ++i) {
        Label2[i].setCaption("");
        Label2[i].hide();
    }
    Label3[PreviousPage].show();
    Label3[NextPage].show();
    if (m.CataloguePage == 0)
        Label3[PreviousPage].hide();
    Label4->setCaption("Page " + QString::number(m.CataloguePage + 1));
    int last = first + SlotsPerPage;
    if (m.WorksheetCount < first + SlotsPerPage + 1) {
        last = m.WorksheetCount;
        Label3[NextPage].hide();
    }
    for (int e = first + 1; e <= last; ++e) {
        Label2[e - first].setCaption(m.WorksheetTitles[e]);
        Label2[e - first].show();
    }
}

void Worksheets::Label3_Click(int index)
{
    m_screens.state<WorksheetList>().CataloguePage += index == PreviousPage ? -1 : 1;
    workpage();
    playClick(m_screens);
}

void Worksheets::Check1_Click()
{
    if (Check1->Value())
        Check2->setValue(0);
}

void Worksheets::Check2_Click()
{
    if (Check2->Value())
        Check1->setValue(0);
}

void Worksheets::Form_MouseMove(const MouseArgs &)
{
    clearHighlights(Label2);
}

void Worksheets::Label2_MouseMove(int index)
{
    highlightButton(Label2, index);
}

void Worksheets::Label2_Click(int index)
{
    playClick(m_screens);
    if (index == ExitSlot) {
        m_screens.showMainMenu();
        m_screens.unload(*this);
        return;
    }
    const QString title = Label2[index].Caption();
    try {
        loadWorksheet(title);
    } catch (const FileError &error) {
        if (!mayGoOnWithout(error)) {
            reportCorrupted(title, error);
            return;
        }
        qCWarning(lcWorksheets) << "going on with a worksheet that can't run:" << error.what();
    }
    if (Check1->Value())
        m_screens.wizard().editworksheet(title);
    else if (Check2->Value())
        delworksheet(title);
    else
        runWorksheet(title);
}

// A worksheet whose file is gone or damaged can still leave the list, and one whose only fault is
// a correct answer that names none of A to D opens for editing, so the teacher can tick one.
bool Worksheets::mayGoOnWithout(const FileError &error) const
{
    if (Check2->Value())
        return true;
    return Check1->Value() && dynamic_cast<const BadCorrectAnswer *>(&error) != nullptr;
}

// Index entries may come from another machine or an older copy of the program, so the title is
// checked again before it names a file.
void Worksheets::loadWorksheet(const QString &title)
{
    const QString problem = titleProblem(title);
    if (!problem.isEmpty())
        throw FileError(problem.toStdString());
    loadQuestionSetFile(m_screens.classroom(), m_screens.state<QuizSession>(),
                        worksheetFile(title));
}

// The quiz comes over the catalogue with the main menu's picture and heading.
void Worksheets::runWorksheet(const QString &title)
{
    Screens &screens = m_screens;
    startTurn(screens, AttemptKind::Worksheet, title, [&screens] {
        screens.multiple().start({.heading = MainMenuHeading, .picture = MainMenuPicture});
    });
}

void Worksheets::delworksheet(const QString &title)
{
    const MsgResult answer = m_screens.platform().messageBoxes.show(
        "Are you sure that you want to delete the worksheet " + title + "?", MsgButtons::OkCancel,
        QString());
    if (answer != MsgResult::Ok)
        return;
    WorksheetList &m = m_screens.state<WorksheetList>();
    m.SelectedWorksheet = title;
    try {
        removeEntry(m_screens.classroom(), m);
    } catch (const DamagedIndexError &error) {
        reportDamagedIndex(title, error);
        return;
    } catch (const FileError &error) {
        reportCorrupted(title, error);
        return;
    }
    refillSlots();
}

// After a deletion the later titles move up into the page's slots; the page caption and the
// page buttons stay as they were.
void Worksheets::refillSlots()
{
    const WorksheetList &m = m_screens.state<WorksheetList>();
    const int first = SlotsPerPage * m.CataloguePage;
    for (int i = 1; i <= SlotsPerPage; ++i) {
        Label2[i].hide();
        Label2[i].setCaption(entry(first + i));
    }
    const int filled = std::min(SlotsPerPage, m.WorksheetCount - first);
    for (int i = 1; i <= filled; ++i)
        Label2[i].show();
}

// Entry e of the list, or nothing past its end.
QString Worksheets::entry(int e) const
{
    const WorksheetList &m = m_screens.state<WorksheetList>();
    return e <= m.WorksheetCount ? m.WorksheetTitles[e] : QString();
}

void Worksheets::reportCorrupted(const QString &title, const std::exception &error)
{
    const QString reason = QString::fromStdString(error.what());
    qCWarning(lcWorksheets) << "worksheet" << title << ":" << reason;
    m_screens.platform().messageBoxes.show("This worksheet seems to be corrupted.\n" + reason);
}

// The worksheet is fine; it is the list that can't be changed until it is rebuilt.
void Worksheets::reportDamagedIndex(const QString &title, const std::exception &error)
{
    const QString reason = QString::fromStdString(error.what());
    qCWarning(lcWorksheets) << "cannot delete" << title << ":" << reason;
    showRebuildWhenDamaged();
    m_screens.platform().messageBoxes.show("The list of worksheets is damaged, so the worksheet " +
                                           title + " can't be deleted.\n" + reason);
}

Worksheets &Screens::worksheets()
{
    return get<Worksheets>("worksheets");
}
