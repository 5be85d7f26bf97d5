// What a port is, read from /dev/serial/by-id and sysfs: over system trees
// made in a temporary folder, as a USB adapter, a modem-class device and a
// built-in port lay them out.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/posix/port_facts.h"
#include "support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct File {
  const char* path;
  const char* content;   // nullptr: a symbolic link to `link`
  const char* link;
};

void Make(const fs::path& root, const std::vector<File>& files) {
  for (const File& f : files) {
    fs::create_directories((root / f.path).parent_path());
    if (f.content) {
      std::ofstream(root / f.path) << f.content;
    } else {
      fs::create_symlink(f.link, root / f.path);
    }
  }
}


}  // namespace

TEST(PortFacts, ReadFromByIdAndSysfs) {
  struct Case {
    const char* name;
    const char* tty;
    std::vector<File> tree;
    plat::PortFacts expected;   // stableName relative to the tree
  };
  const Case cases[] = {
      {"a USB adapter: the device two folders above the tty",
       "ttyUSB0",
       {{"dev/ttyUSB0", "", nullptr},
        {"dev/serial/by-id/usb-Maker_Cable_A1B2-if00-port0", nullptr, "../../ttyUSB0"},
        {"sys/devices/pci0/usb1/1-2/1-2:1.0/ttyUSB0/uevent", "", nullptr},
        {"sys/devices/pci0/usb1/1-2/idVendor", "0403\n", nullptr},
        {"sys/devices/pci0/usb1/1-2/idProduct", "6001\n", nullptr},
        {"sys/devices/pci0/usb1/1-2/manufacturer", "Maker\n", nullptr},
        {"sys/devices/pci0/usb1/1-2/product", "USB Cable\n", nullptr},
        {"sys/devices/pci0/usb1/1-2/serial", "A1B2\n", nullptr},
        {"sys/class/tty/ttyUSB0/device", nullptr, "../../../devices/pci0/usb1/1-2/1-2:1.0/ttyUSB0"}},
       {"/dev/serial/by-id/usb-Maker_Cable_A1B2-if00-port0", "0403", "6001", "Maker", "USB Cable", "A1B2", ""}},
      {"a modem-class device without a serial number or a by-id link",
       "ttyACM0",
       {{"dev/ttyACM0", "", nullptr},
        {"dev/serial/by-id/usb-Other-if00", nullptr, "../../ttyUSB9"},
        {"sys/devices/pci0/usb1/1-2/1-2:1.0/uevent", "", nullptr},
        {"sys/devices/pci0/usb1/1-2/idVendor", "2341\n", nullptr},
        {"sys/devices/pci0/usb1/1-2/idProduct", "0043\n", nullptr},
        {"sys/class/tty/ttyACM0/device", nullptr, "../../../devices/pci0/usb1/1-2/1-2:1.0"}},
       {"", "2341", "0043", "", "", "", ""}},
      {"a built-in port: no USB device above it",
       "ttyS0",
       {{"dev/ttyS0", "", nullptr},
        {"sys/devices/pnp0/00:01/uevent", "", nullptr},
        {"sys/class/tty/ttyS0/device", nullptr, "../../../devices/pnp0/00:01"}},
       {}},
      {"a device that is not there", "ttyUSB7", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    const fs::path root = fs::canonical(dir.path());
    Make(root, c.tree);
    const plat::PortFacts facts = plat::DescribeDevice((root / "dev" / c.tty).string(), root.string());
    const std::string stable = c.expected.stableName.empty() ? "" : root.string() + c.expected.stableName;
    EXPECT_EQ(facts.stableName, stable);
    EXPECT_EQ(facts.vendorId, c.expected.vendorId);
    EXPECT_EQ(facts.productId, c.expected.productId);
    EXPECT_EQ(facts.manufacturer, c.expected.manufacturer);
    EXPECT_EQ(facts.product, c.expected.product);
    EXPECT_EQ(facts.serialNumber, c.expected.serialNumber);
  }
}
