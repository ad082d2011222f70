// The serial component on a scripted line: settings, the data event, reading and discarding,
// writing, the modem-status watches and the failures a caller sees.
#include "serial/TComPort.h"
#include "tests/support/ScriptedDevice.h"
#include "tests/support/testmain.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class ScriptedPort : public ::testing::Test {
  protected:
    void SetUp() override {
        testsupport::errorBoxes().clear();
        port.setDeviceFactory(scriptedFactory(line));
        port.setComNumber(1);
    }

    std::shared_ptr<ScriptedLine> line = std::make_shared<ScriptedLine>();
    TComPort port;
};

TEST_F(ScriptedPort, DefaultsAreThoseOfTheComponent) {
    TComPort fresh;
    EXPECT_EQ(fresh.ComNumber(), 0);
    EXPECT_EQ(fresh.Baud(), 19200);
    EXPECT_EQ(fresh.Parity(), TParity::pNone);
    EXPECT_EQ(fresh.DataBits(), 8);
    EXPECT_EQ(fresh.StopBits(), 1);
    EXPECT_EQ(fresh.InSize(), 4096);
    EXPECT_EQ(fresh.OutSize(), 4096);
    EXPECT_TRUE(fresh.DTR());
    EXPECT_TRUE(fresh.RTS());
    EXPECT_TRUE(fresh.AutoOpen());
    EXPECT_TRUE(fresh.PromptForPort());
    EXPECT_FALSE(fresh.Open());
}

TEST_F(ScriptedPort, BytesArriveInOneEventWhoseCountMatches) {
    std::vector<std::uint16_t> counts;
    QByteArray got;
    port.OnTriggerAvail = [&](TComPort* cp, std::uint16_t count) {
        counts.push_back(count);
        for (int i = 0; i < count; ++i) got.append(static_cast<char>(cp->ReadByte()));
    };
    port.setOpen(true);
    feedAndWait(port, *line, QByteArray::fromHex("200121"));
    ASSERT_EQ(counts.size(), 1u);
    EXPECT_EQ(counts[0], 3);
    EXPECT_EQ(got, QByteArray::fromHex("200121"));
}

}  // namespace
