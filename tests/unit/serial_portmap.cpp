// Port numbers to devices, and the list of ports the chooser probes.
#include "serial/portmap.h"
#include "tests/support/paramname.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct MapCase {
    std::uint16_t port;
    const char* path;
};

class DefaultMapping : public ::testing::TestWithParam<MapCase> {};

TEST_P(DefaultMapping, NamesTheLinuxDevice) {
    EXPECT_EQ(portmap::devicePathFor(GetParam().port, std::nullopt),
              QLatin1String(GetParam().path));
}

INSTANTIATE_TEST_SUITE_P(
    Ports, DefaultMapping,
    ::testing::Values(MapCase{1, "/dev/ttyS0"}, MapCase{32, "/dev/ttyS31"},
                      MapCase{33, "/dev/ttyUSB0"}, MapCase{64, "/dev/ttyUSB31"},
                      MapCase{65, "/dev/ttyACM0"}, MapCase{96, "/dev/ttyACM31"}, MapCase{0, ""},
                      MapCase{97, ""}, MapCase{65535, ""}),
    paramname::from([](const MapCase& c) { return paramname::join("Port", c.port); }));

TEST(PortMap, TheEnvironmentVariableOverridesAnyNumber) {
    EXPECT_EQ(portmap::devicePathFor(7, QStringLiteral("/dev/pts/4")),
              QStringLiteral("/dev/pts/4"));
    EXPECT_EQ(portmap::devicePathFor(200, QStringLiteral("/dev/serial/by-id/usb-x")),
              QStringLiteral("/dev/serial/by-id/usb-x"));
    EXPECT_EQ(portmap::overrideVariable(7), QStringLiteral("QUENLAR_COM7"));
}

TEST(PortMap, OnlyWellFormedVariablesNameAPort) {
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("QUENLAR_COM12")), 12);
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("QUENLAR_COM0")), 0);
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("QUENLAR_COM")), 0);
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("QUENLAR_COMX")), 0);
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("QUENLAR_COM70000")), 0);
    EXPECT_EQ(portmap::overriddenPort(QStringLiteral("OTHER_COM3")), 0);
}

TEST(PortMap, TheChooserProbesTheWholeMappingAndEveryOverriddenPortInOrder) {
    const auto ports = portmap::candidates({QStringLiteral("HOME=/root"),
                                            QStringLiteral("QUENLAR_COM150=/dev/pts/9"),
                                            QStringLiteral("QUENLAR_COM2=/dev/ttyUSB5")});
    ASSERT_EQ(ports.size(), 97u);
    EXPECT_EQ(ports.front().number, 1);
    EXPECT_EQ(ports[1].path, QStringLiteral("/dev/ttyUSB5"));
    EXPECT_EQ(ports.back().number, 150);
    EXPECT_EQ(ports.back().path, QStringLiteral("/dev/pts/9"));
    const auto elsewhere = portmap::candidates({}, QStringLiteral("/srv/tree/dev"));
    ASSERT_EQ(elsewhere.size(), 96u);
    EXPECT_EQ(elsewhere[32].path, QStringLiteral("/srv/tree/dev/ttyUSB0"));
}

TEST(PortMap, ATtySWithUartTypeZeroHasNoHardwareBehindIt) {
    EXPECT_TRUE(portmap::isUartDevice(QStringLiteral("/dev/ttyS3")));
    EXPECT_FALSE(portmap::isUartDevice(QStringLiteral("/dev/ttyUSB0")));
    EXPECT_TRUE(portmap::isUartDevice(QStringLiteral("ttyS0"))) << "a kernel name";
    EXPECT_FALSE(portmap::isRealUartType(0));
    EXPECT_TRUE(portmap::isRealUartType(4));  // a 16550A
}

}  // namespace
