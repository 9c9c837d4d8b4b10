// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

// Failures that the program's few error-trapping handlers catch and turn into their fixed messages.

// A file could not be opened, read past its end, held an unreadable value, or could not be written.
class FileError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// A page that would take the program far longer to draw, or far more memory to hold, than any
// page it shows, so it is not shown at all. The text names the file and says so in a sentence
// for the teacher: "<file>: This page is too complex to show."
class PageTooComplex : public FileError
{
public:
    explicit PageTooComplex(const std::string &file)
        : FileError(file + ": This page is too complex to show.")
    {
    }
};

// A printer operation failed: no default printer, the print system did not answer, the job could
// not start, or the queue refused it. The text is the reason in a sentence a teacher understands.
class PrinterError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// An index outside the range a program-wide array was declared with.
class IndexError : public std::out_of_range
{
public:
    using std::out_of_range::out_of_range;
};
