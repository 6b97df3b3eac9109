#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliAnswer.h"
#include "firmware/workspace/Digest.h"
#include "tests/support/SystemFiles.h"

TEST(Digest, CheckValuesOfCrc32AndSha256) {
    EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(Crc32(QByteArray()), 0u);
    EXPECT_EQ(Sha256Hex("abc"),
              QStringLiteral("ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"));
}

TEST(CliAnswer, WordsInAnyCaseAskAgainAndTheEndAnswersNo) {
    EXPECT_EQ(ParseAnswer(" YES "), true);
    EXPECT_EQ(ParseAnswer("N"), false);
    EXPECT_EQ(ParseAnswer("是"), true);
    EXPECT_EQ(ParseAnswer("否"), false);
    EXPECT_EQ(ParseAnswer("yep"), std::nullopt);
    std::FILE* pNull = std::fopen(NullDevice().toLocal8Bit().constData(), "w");
    std::istringstream retried("maybe\n\nNo\n");
    EXPECT_FALSE(ReadAnswer(retried, pNull));
    std::istringstream yes("x\nY\n");
    EXPECT_TRUE(ReadAnswer(yes, pNull));
    std::istringstream ended("what\n");
    EXPECT_FALSE(ReadAnswer(ended, pNull));
    std::fclose(pNull);
}
