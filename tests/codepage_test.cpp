// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/codepage.h"

#include <QStringDecoder>
#include <gtest/gtest.h>

namespace
{

TEST(Codepage, UpperHalfAgreesWithTheSystemWindows1252Decoder)
{
    QStringDecoder reference("windows-1252");
    if (!reference.isValid())
        GTEST_SKIP() << "no system Windows-1252 decoder to compare with";
    for (int byte = 0; byte < 256; ++byte) {
        if (byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D)
            continue;
        const QByteArray one(1, static_cast<char>(byte));
        EXPECT_EQ(decodeWindows1252(one), reference.decode(one)) << "byte " << byte;
    }
}

TEST(Codepage, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all.append(static_cast<char>(byte));
    const QString decoded = decodeWindows1252(all);
    EXPECT_EQ(encodeWindows1252(decoded), all);
    // The bytes Windows-1252 leaves undefined become the C1 code points of the same number.
    for (const int byte : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(decoded.at(byte).unicode(), byte);
}

TEST(Codepage, UnencodableCharactersBecomeQuestionMarks)
{
    EXPECT_EQ(encodeWindows1252(QStringLiteral("café €")), "caf\xe9 \x80");
    // U+0080 is not a Windows-1252 character: byte 0x80 is the euro sign.
    EXPECT_EQ(encodeWindows1252(QString::fromUtf16(u"a\u0080日😀b")), "a???b");
    EXPECT_TRUE(isWindows1252Encodable(QStringLiteral("café € Ÿ")));
    EXPECT_FALSE(isWindows1252Encodable(QStringLiteral("x日")));
}

} // namespace
