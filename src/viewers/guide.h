// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "viewers/pageviewer.h"

// The teachers' guide: three fixed pages. The first move over the bare screen takes the black
// boxes off its four entries for the rest of the visit.
class Guide : public PageViewer
{
    Q_OBJECT
public:
    explicit Guide(Screens &screens);

    void Form_Load() override;
    // Shows the first page.
    void open();
    void Form_MouseMove(const MouseArgs &args) override;

protected:
    void pageTurned(Turn turn) override;
};
