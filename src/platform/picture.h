#pragma once

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>

class QPainter;

// A picture loaded from a content file (JPEG, GIF or BMP). Loaded at each use, never cached.
class Picture
{
public:
    Picture() = default;

    // Loads the file that a content path names; an empty path gives the empty picture.
    // Throws FileError when the file is missing or cannot be decoded.
    static Picture load(const QString &path);

    bool isNull() const { return m_image.isNull(); }
    QSizeF sizeTwips() const;
    const QImage &image() const { return m_image; }

    // Draws the picture scaled into the target rectangle (in the painter's units).
    void draw(QPainter &painter, const QRectF &target) const;

private:
    explicit Picture(QImage image) : m_image(std::move(image)) {}
    QImage m_image;
};
