#include "platform/fontlistreader.h"

#include <QFontDatabase>
#include <QStringList>

FontListReader::FontListReader() : m_reader([] { QFontDatabase::families(); }) {}
