// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewers/pageviewer.h"

class PictureBox;
class Timer;

// The page viewer: a topic's key facts or teacher's notes, page by page, or the acknowledgments
// as a single page with the animated logo beside it.
class Teacher : public PageViewer
{
    Q_OBJECT
public:
    explicit Teacher(Screens &screens);

    void Form_Load() override;
    void Timer1_Timer();
    // Shows page 1 of a topic's page set; the later pages are found by the set's name.
    void openPageSet(const QString &setName, int pageCount);
    void openAcknowledgments();

    PictureBox *Picture1; // the logo animation's frame
    PictureBox *Picture2; // the logo
    Timer *Timer1;        // the logo animation, 25 ms

protected:
    void pageTurned(Turn turn) override;

private:
    void hidePagingOfASinglePage();
    void showCurrentPage();
    void captionThePage();
};
