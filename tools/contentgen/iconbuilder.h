// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QString>

// The program's icon from its emblem: <out>/scalable/apps/<name>.svg and
// <out>/<n>x<n>/apps/<name>.png at the usual sizes, laid out as an icon theme's folders.
void buildIcons(const QString &emblemPath, const QDir &out, const QString &name);
