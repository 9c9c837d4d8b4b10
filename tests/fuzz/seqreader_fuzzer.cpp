// SPDX-License-Identifier: GPL-3.0-or-later
// The field reader over arbitrary bytes. Two readers walk the same file: one reads every field as
// text, the other asks for a number wherever the input's own bits say so. Both must stop at the
// same field boundaries, a number must be exactly what the text of its field spells, no field may
// hold a line break, every read must move on, and a read at the end must fail.

#include "fuzzsupport.h"
#include "files/errors.h"
#include "files/seqfile.h"

#include <charconv>
#include <optional>

namespace
{

// Digits with an optional sign, then nothing but blanks, within int.
std::optional<int> spelledNumber(const QString &field)
{
    std::string text = field.toStdString();
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.pop_back();
    const bool plus = !text.empty() && text.front() == '+';
    const char *first = text.data() + (plus ? 1 : 0);
    const char *last = text.data() + text.size();
    if (first == last || *first == '+' || (plus && *first == '-'))
        return std::nullopt;
    int value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<QString> nextField(SeqReader &reader)
{
    try {
        return reader.readField();
    } catch (const FileError &) {
        return std::nullopt;
    }
}

std::optional<int> nextNumber(SeqReader &reader)
{
    try {
        return reader.readNumber();
    } catch (const FileError &) {
        return std::nullopt;
    }
}

bool wantsNumber(const uint8_t *data, size_t size, size_t step)
{
    return (data[step % size] >> (step % 8)) & 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TempClassroom &scratch = scratchFolder();
    scratch.writeFile(QStringLiteral("fields.txt"), fuzzBytes(data, size));
    SeqReader text(scratch.folder(), QStringLiteral("fields.txt"));
    SeqReader mixed(scratch.folder(), QStringLiteral("fields.txt"));
    size_t step = 0;
    for (;; ++step) {
        FUZZ_CHECK(step <= size); // every field takes at least one byte
        const std::optional<QString> field = nextField(text);
        if (!field) {
            FUZZ_CHECK(text.atEnd());
            FUZZ_CHECK(!nextField(mixed));
            break;
        }
        FUZZ_CHECK(!field->contains(u'\r') && !field->contains(u'\n'));
        if (!wantsNumber(data, size, step)) {
            FUZZ_CHECK(nextField(mixed) == field);
            continue;
        }
        FUZZ_CHECK(nextNumber(mixed) == spelledNumber(*field));
    }
    return 0;
}
