// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/controlarray.h"
#include "platform/form.h"

class Image;
class Label;
class Screens;

// What the page viewer and the guide viewer share: the page on screen (Image1) and its print copy
// (Image2, never shown), the page caption, and the entries "Print", "Exit", "Next Page" and
// "Previous Page". Neither viewer plays a click.
class PageViewer : public Form
{
    Q_OBJECT
public:
    PageViewer(Screens &screens, TwipsRect printCopyPlace);

    enum Label3Entry { Print = 0, Exit = 1, NextPage = 2, PreviousPage = 3 };

    void Label3_Click(int index);
    // Loads the page's print copy into Image2. One that fails to load is told at once and again
    // at "Print", which then prints nothing; Image2 is left empty rather than holding the copy
    // of the page before.
    void loadPrintCopy(const QString &file);
    // The viewers keep their entries' boxes under the pointer: there is no highlight.
    void Label3_MouseMove(int) {}
    void Image1_MouseMove() {}

    Image *Image1;              // the page on screen
    Image *Image2;              // the page's print copy, never shown
    Label *Label1;              // "Page 1 of 3"
    ControlArray<Label> Label3; // the entries, by Label3Entry

protected:
    enum Turn { Forward, Back };
    // Shows ViewerPage after a paging entry has moved it.
    virtual void pageTurned(Turn turn) = 0;
    // Loads a page's two copies. A missing page costs only itself: it is told once and the
    // viewer keeps working.
    void loadPage(const QString &screenFile, const QString &printFile);
    void Printpage();

    Screens &m_screens;

private:
    // Why the print copy of the page shown did not load; empty when it did.
    QString m_printCopyFault;
};
