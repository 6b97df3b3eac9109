#include <gtest/gtest.h>

#include "cli/Digest.h"

TEST(Digest, CheckValuesOfCrc32AndSha256) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(QByteArray()), 0u);
    EXPECT_EQ(Sha256Hex("abc"),
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}
