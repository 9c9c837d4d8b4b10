// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAccessible>

class QObject;

// Screen readers see the controls the program paints itself as what they are: a menu entry as a
// push button with its caption, a greyed one as unavailable, option buttons and check boxes with
// their marks, a page with its words. Installed once, before the first screen is shown.
void installControlAccessibility();

// Tell screen readers that a control's name, or a part of its state, has changed.
void announceNameChange(QObject *control);
void announceStateChange(QObject *control, QAccessible::State changed);
