// The COM port list on POSIX: the links of the port directory, shown in upper
// case in the Windows order, and opened again under the name shown.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/tavo_app.h"
#include "app/tavo_dlg.h"
#include "platform/serial_port.h"
#include "res/resource.h"
#include "support/combo_items.h"
#include "support/temp_dir.h"

namespace {

// A port directory for the test, named by TAVO_PORT_DIR while it lives.
class PortDir {
public:
  explicit PortDir(const std::filesystem::path& dir) : m_dir(dir) {
    std::filesystem::create_directories(dir);
    setenv("TAVO_PORT_DIR", dir.c_str(), 1);
  }
  ~PortDir() { unsetenv("TAVO_PORT_DIR"); }
  void Link(const std::string& name, const std::string& target) const {
    std::filesystem::create_symlink(target, m_dir / name);
  }

private:
  std::filesystem::path m_dir;
};

TEST(PortList, ShowsUpperCaseNamesInWindowsOrder) {
  struct Case {
    const char* name;
    std::vector<std::string> links;
    std::vector<std::string> shown;
  };
  const Case cases[] = {
      {"COM3 and COM10", {"COM3", "COM10"}, {"COM10", "COM3"}},
      {"lower case", {"com2", "Com1"}, {"COM1", "COM2"}},
      {"none", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    PortDir ports(dir.path() / "ports");
    for (const std::string& link : c.links) ports.Link(link, "/dev/null");
    CTAVOApp app;
    CTAVODlg dlg;
    ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
    EXPECT_EQ(ComboItems(dlg.m_comboPort), c.shown);
    EXPECT_EQ(dlg.m_comboPort.GetCurSel(), c.shown.empty() ? -1 : 0);
  }
}

TEST(PortList, AMissingPortDirectoryGivesAnEmptyList) {
  TempCurrentDir dir;
  setenv("TAVO_PORT_DIR", (dir.path() / "absent").c_str(), 1);
  CTAVOApp app;
  CTAVODlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_TAVO_DIALOG));
  unsetenv("TAVO_PORT_DIR");
  EXPECT_EQ(dlg.m_comboPort.GetCount(), 0);
  EXPECT_EQ(dlg.m_comboPort.GetCurSel(), -1);
}

TEST(PortList, TheNameShownOpensThePort) {
  int master = posix_openpt(O_RDWR | O_NOCTTY);
  ASSERT_GE(master, 0);
  ASSERT_EQ(grantpt(master), 0);
  ASSERT_EQ(unlockpt(master), 0);
  TempCurrentDir dir;
  PortDir ports(dir.path() / "ports");
  ports.Link("com12", ptsname(master));
  plat::SerialPort port;
  EXPECT_TRUE(port.Open("COM12", plat::LineSettings{9600, 0, 0, 8}));
  port.Close();
  close(master);
}

}  // namespace
