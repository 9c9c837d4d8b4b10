#pragma once

#include <QString>
#include <stdexcept>

// A content source that cannot be built: the message names the file (and line, where there is one).
class ContentError : public std::runtime_error
{
public:
    explicit ContentError(const QString &message) : std::runtime_error(message.toStdString()) {}
};
