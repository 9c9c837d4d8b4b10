// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QImage;
class QWidget;

// Saves what a widget shows as a PNG in the build folder's gallery, for people to look at.
// Returns false when the picture could not be written.
bool saveToGallery(QWidget &widget, const QString &name);
bool saveToGallery(const QImage &image, const QString &name);
