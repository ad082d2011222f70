// The ports the chooser lists in a tree of device nodes, by-id links and sysfs files made here:
// each port with its by-id name and its USB adapter's maker and model where the tree has them.
#include "serial/portprobe.h"
#include "tests/support/paramname.h"
#include "tests/support/pty.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <memory>
#include <ostream>
#include <vector>

namespace portmap {
void PrintTo(const Port& p, std::ostream* os) {
    *os << "COM" << p.number << " " << p.path.toStdString() << " by-id '" << p.byId.toStdString()
        << "' '" << p.maker.toStdString() << "' '" << p.model.toStdString() << "'";
}
}  // namespace portmap

namespace {

// One tty of the tree. Its node in the dev folder leads to a pseudo-terminal, unless the device
// is gone; its by-id link leads to the node, as udev makes it.
struct FakeTty {
    const char* name;   // the kernel's name, "ttyUSB0"
    bool present;       // false: unplugged, only a by-id link is left over
    const char* byId;   // the link's name in the by-id folder, "" for none
    const char* usb;    // the USB device's folder below sysfs devices/, "" for a tty without one
    const char* below;  // the tty's device folder below the USB device (or the platform's)
    const char* maker;
    const char* model;
    const char* uartType;  // the ttyS "type" file, "" for none
};

// A listed port; "{dev}" and "{by-id}" stand for the tree's folders.
struct Listed {
    std::uint16_t number;
    const char* path;
    const char* byId;
    const char* maker;
    const char* model;
};

struct ListingCase {
    const char* name;
    std::vector<FakeTty> ttys;
    std::vector<const char*> environment;  // with "{by-id}" standing for the tree's folder
    std::vector<Listed> listed;
};

class FakeTree {
  public:
    FakeTree() {
        folders.dev = root.filePath(QStringLiteral("dev"));
        folders.byId = root.filePath(QStringLiteral("dev/serial/by-id"));
        folders.sysfs = root.filePath(QStringLiteral("sys"));
        QDir().mkpath(folders.byId);
        QDir().mkpath(folders.sysfs + QStringLiteral("/class/tty"));
    }

    bool ok() const { return root.isValid(); }

    void add(const FakeTty& tty) {
        const QString name = QLatin1String(tty.name);
        if (tty.present) {
            ptys.push_back(std::make_unique<Pty>());
            QFile::link(ptys.back()->slavePath(), folders.dev + QLatin1Char('/') + name);
        }
        if (*tty.byId) {
            QFile::link(QStringLiteral("../../") + name,
                        folders.byId + QLatin1Char('/') + QLatin1String(tty.byId));
        }
        if (!tty.present) return;
        const QString usb = folders.sysfs + QStringLiteral("/devices/") + QLatin1String(tty.usb);
        const QString device = usb + QLatin1Char('/') + QLatin1String(tty.below);
        QDir().mkpath(device);
        if (*tty.usb) {
            write(usb + QStringLiteral("/idVendor"), "0403");
            write(usb + QStringLiteral("/manufacturer"), tty.maker);
            write(usb + QStringLiteral("/product"), tty.model);
        }
        const QString classTty = folders.sysfs + QStringLiteral("/class/tty/") + name;
        QDir().mkpath(classTty);
        QFile::link(device, classTty + QStringLiteral("/device"));
        if (*tty.uartType) write(classTty + QStringLiteral("/type"), tty.uartType);
    }

    QString expand(const char* text) const {
        return QString::fromUtf8(text)
            .replace(QStringLiteral("{by-id}"), folders.byId)
            .replace(QStringLiteral("{dev}"), folders.dev);
    }

    portnames::Folders folders;

  private:
    static void write(const QString& path, const char* text) {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(text) + '\n');
    }

    QTemporaryDir root;
    std::vector<std::unique_ptr<Pty>> ptys;
};

void PrintTo(const ListingCase& c, std::ostream* os) {
    *os << c.name;
}

class PortListing : public ::testing::TestWithParam<ListingCase> {};

TEST_P(PortListing, NamesEachPortByItsLinkAndItsAdapter) {
    FakeTree tree;
    ASSERT_TRUE(tree.ok());
    for (const FakeTty& tty : GetParam().ttys) tree.add(tty);
    QStringList environment;
    for (const char* entry : GetParam().environment) environment << tree.expand(entry);
    std::vector<portmap::Port> expected;
    for (const Listed& l : GetParam().listed) {
        expected.push_back({l.number, tree.expand(l.path), tree.expand(l.byId),
                            QString::fromUtf8(l.maker), QString::fromUtf8(l.model)});
    }
    EXPECT_EQ(portprobe::availablePorts(tree.folders, environment), expected);
}

const FakeTty kFtdi{"ttyUSB0",
                    true,
                    "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
                    "pci0000:00/0000:00:14.0/usb1/1-2",
                    "1-2:1.0/ttyUSB0",
                    "FTDI",
                    "FT232R USB UART",
                    ""};
const Listed kFtdiListed{33, "{dev}/ttyUSB0", "{by-id}/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
                         "FTDI", "FT232R USB UART"};

INSTANTIATE_TEST_SUITE_P(
    Trees, PortListing,
    ::testing::Values(
        ListingCase{"UsbAdapterWithMakerAndModel", {kFtdi}, {}, {kFtdiListed}},
        ListingCase{
            "UsbAdapterWithoutByIdName",
            {{"ttyUSB1", true, "", "pci0000:00/0000:00:14.0/usb1/1-3", "1-3:1.0/ttyUSB1",
              "Prolific Technology Inc.", "USB-Serial Controller", ""}},
            {},
            {{34, "{dev}/ttyUSB1", "", "Prolific Technology Inc.", "USB-Serial Controller"}}},
        ListingCase{"AcmDevice",
                    {{"ttyACM0", true, "usb-Arduino__www.arduino.cc__0043_7583-if00",
                      "pci0000:00/0000:00:14.0/usb1/1-4", "1-4:1.0", "Arduino (www.arduino.cc)",
                      "Arduino Uno", ""}},
                    {},
                    {{65, "{dev}/ttyACM0", "{by-id}/usb-Arduino__www.arduino.cc__0043_7583-if00",
                      "Arduino (www.arduino.cc)", "Arduino Uno"}}},
        ListingCase{
            "DanglingLinkOfAnUnpluggedAdapter",
            {{"ttyUSB2", false, "usb-Silicon_Labs_CP2102_0001-if00-port0", "", "", "", "", ""}},
            {"QUENLAR_COM5={by-id}/usb-Silicon_Labs_CP2102_0001-if00-port0"},
            {}},
        ListingCase{
            "TwoAdaptersOfOneModelByTheirSerialNumbers",
            {{"ttyUSB0", true, "usb-FTDI_FT232R_USB_UART_D4E5F6-if00-port0",
              "pci0000:00/0000:00:14.0/usb1/1-5", "1-5:1.0/ttyUSB0", "FTDI", "FT232R USB UART", ""},
             {"ttyUSB1", true, "usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
              "pci0000:00/0000:00:14.0/usb1/1-6", "1-6:1.0/ttyUSB1", "FTDI", "FT232R USB UART",
              ""}},
            {},
            {{33, "{dev}/ttyUSB0", "{by-id}/usb-FTDI_FT232R_USB_UART_D4E5F6-if00-port0", "FTDI",
              "FT232R USB UART"},
             {34, "{dev}/ttyUSB1", "{by-id}/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "FTDI",
              "FT232R USB UART"}}},
        ListingCase{
            "PortSetToAByIdLink",
            {kFtdi},
            {"HOME=/root", "QUENLAR_COM7={by-id}/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0"},
            {{7, "{by-id}/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0",
              "{by-id}/usb-FTDI_FT232R_USB_UART_A1B2C3-if00-port0", "FTDI", "FT232R USB UART"},
             kFtdiListed}},
        ListingCase{"BuiltInUart",
                    {{"ttyS0", true, "", "", "platform/serial8250/tty/ttyS0", "", "", "4"}},
                    {},
                    {{1, "{dev}/ttyS0", "", "", ""}}}),
    paramname::from([](const ListingCase& c) { return c.name; }));

}  // namespace
