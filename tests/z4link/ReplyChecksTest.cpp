#include <gtest/gtest.h>

#include <string>

#include "z4link/AtReply.h"
#include "z4link/Frame.h"
#include "z4link/ReplyChecks.h"

namespace vardeck {
namespace {

ReceiveBuffer bufferWith(const std::vector<uint8_t>& bytes) {
    ReceiveBuffer rx;
    rx.append(bytes.data(), static_cast<int>(bytes.size()));
    return rx;
}

ReceiveBuffer bufferWith(const std::string& text) {
    return bufferWith(std::vector<uint8_t>(text.begin(), text.end()));
}

TEST(ReplyChecks, SixByteVerdictByFill) {
    const Frame f = makeFrame(0xAB, 0x00, 0xFE, 0x26);
    std::vector<uint8_t> bytes(f.begin(), f.end());
    EXPECT_EQ(inspectSixByteReply(bufferWith(std::vector<uint8_t>(bytes.begin(), bytes.begin() + 5))),
              SixByteReply::Waiting);
    EXPECT_EQ(inspectSixByteReply(bufferWith(bytes)), SixByteReply::Valid);
    bytes.push_back(0);
    EXPECT_EQ(inspectSixByteReply(bufferWith(bytes)), SixByteReply::Overlong);
    bytes.pop_back();
    bytes[3] = 0x27;
    EXPECT_EQ(inspectSixByteReply(bufferWith(bytes)), SixByteReply::Rejected);
}

TEST(ReplyChecks, Block39ChecksBlockNumberAndDataSumOnly) {
    std::vector<uint8_t> reply(39, 0x00);
    reply[0] = 0x55;  // bytes 0, 1, 3, 4, 5 are not examined
    reply[2] = 7;
    for (int i = 6; i < 38; ++i) reply[i] = static_cast<uint8_t>(i * 9);
    unsigned sum = 0;
    for (int i = 6; i < 38; ++i) sum += reply[i];
    reply[38] = static_cast<uint8_t>(sum);
    EXPECT_TRUE(block39Valid(bufferWith(reply), 7));
    EXPECT_FALSE(block39Valid(bufferWith(reply), 8));
    reply[38]++;
    EXPECT_FALSE(block39Valid(bufferWith(reply), 7));
    reply[38]--;
    reply.push_back(0);
    EXPECT_FALSE(block39Valid(bufferWith(reply), 7));
}

TEST(ReplyChecks, Record65SmallSum) {
    std::vector<uint8_t> reply(65, 0);
    reply[0] = 1;
    reply[10] = 100;
    reply[63] = 50;
    reply[64] = 151;  // below 256: the plain sum
    EXPECT_TRUE(record65Valid(bufferWith(reply)));
    reply[64] = 150;
    EXPECT_FALSE(record65Valid(bufferWith(reply)));
    reply.pop_back();
    EXPECT_FALSE(record65Valid(bufferWith(reply)));
}

TEST(ReplyChecks, Block257SumOfExactly256CarriesZero) {
    std::vector<uint8_t> reply(257, 0);
    reply[0] = 200;
    reply[255] = 56;
    reply[256] = 0x00;
    EXPECT_TRUE(block257Valid(bufferWith(reply)));
    reply[256] = 0xFF;  // the frame-sum rule would give this; blocks have no minus one
    EXPECT_FALSE(block257Valid(bufferWith(reply)));
}

TEST(ReplyChecks, SingleByteAcknowledgements) {
    EXPECT_TRUE(singleByteReceived(bufferWith(std::vector<uint8_t>{0x42})));
    EXPECT_FALSE(singleByteReceived(bufferWith(std::vector<uint8_t>{0x42, 0x43})));
    EXPECT_TRUE(singleByteEquals(bufferWith(std::vector<uint8_t>{0x42}), 0x42));
    EXPECT_FALSE(singleByteEquals(bufferWith(std::vector<uint8_t>{0x41}), 0x42));
}

TEST(AtReply, OkAtTheEnd) {
    EXPECT_TRUE(endsWithOkCrLf(bufferWith("AT+CSCA=\"+36\",145\r\r\nOK\r\n")));
    EXPECT_FALSE(endsWithOkCrLf(bufferWith("OK\r")));
    EXPECT_FALSE(endsWithOkCrLf(bufferWith("OK\r\nx")));
}

TEST(AtReply, FixedPositionsBehindTheEcho) {
    const ReceiveBuffer probe = bufferWith("AT\r\r\nOK\r\n");
    EXPECT_TRUE(okAt(probe, kAtProbeOkPosition));
    const ReceiveBuffer failed = bufferWith("AT\r\r\nERROR\r\n");
    EXPECT_FALSE(okAt(failed, kAtProbeOkPosition));
    EXPECT_TRUE(errorAt(failed, kAtProbeOkPosition));

    const std::string pinLine = "AT+CPIN=\"1234\"\r";
    ASSERT_EQ(pinLine.size(), 15u);
    EXPECT_TRUE(okAt(bufferWith(pinLine + "\r\nOK\r\n"), kPinEntryOkPosition));

    const std::string unlockLine = "AT+CLCK=\"SC\",0,\"1234\"\r";
    ASSERT_EQ(unlockLine.size(), 22u);
    EXPECT_TRUE(lockReleaseConfirmed(bufferWith(unlockLine + "\r\nOK\r\n")));
    EXPECT_FALSE(lockReleaseConfirmed(bufferWith(unlockLine + "\r\nOK\r\n\r\n")));
}

TEST(AtReply, StaleBytesBeyondTheFillNeverMatch) {
    ReceiveBuffer rx = bufferWith("AT\r\r\nOK\r\n");
    rx.reset();  // the old answer is still in the array
    const uint8_t echo[] = {'A', 'T', '\r'};
    rx.append(echo, 3);
    EXPECT_FALSE(okAt(rx, kAtProbeOkPosition));
    rx.clear();
    EXPECT_EQ(rx.at(kAtProbeOkPosition), 0xFF);
}

TEST(AtReply, PhonebookTagAndLinePairs) {
    const ReceiveBuffer rx = bufferWith("AT+CPBR=007\r\r\n+CPBR: 7,\"+3620\",145,\"Anna\"\r\n\r\nOK\r\n");
    const int at = findPhonebookTag(rx);
    ASSERT_GT(at, 0);
    EXPECT_EQ(rx.at(at + 3), ' ');
    EXPECT_EQ(findPhonebookTag(rx, at + 1), -1);
    EXPECT_EQ(countCrLf(rx), 4);
    EXPECT_EQ(findPhonebookTag(bufferWith("+CPB")), -1);
}

}  // namespace
}  // namespace vardeck
