// The configuration files: defaults, partial files, the profile reader's number
// rules, the clamping of the log settings and the presence of "vorinfo.ini".
#include <gtest/gtest.h>

#include <filesystem>

#include "config/comm_settings.h"
#include "config/ini_file.h"
#include "platform/files.h"
#include "support/message_boxes.h"
#include "support/temp_dir.h"

namespace {

struct CommCase {
  const char* name;
  const char* file;   // content of TAVO.ini, null for no file
  CommSettings expected;
};

CommSettings Comm(int baud, int parity, int stop, int data, int timeout, int delay, int sleep) {
  CommSettings ini;
  ini.BaudRate = baud;
  ini.Parity = parity;
  ini.StopBits = stop;
  ini.DataBits = data;
  ini.TimeOut = timeout;
  ini.SendDelay = delay;
  ini.SleepTime = sleep;
  return ini;
}

TEST(CommSettings, ReadsEachKeyWithItsDefault) {
  const CommCase cases[] = {
      {"no file", nullptr, Comm(9600, 0, 0, 8, 1000, 500, 50)},
      {"no [COMM] section", "[OTHER]\r\nBaudRate=19200\r\n", Comm(9600, 0, 0, 8, 1000, 500, 50)},
      {"only BaudRate", "[COMM]\r\nBaudRate=19200\r\n", Comm(19200, 0, 0, 8, 1000, 500, 50)},
      {"every key, any order",
       "[COMM]\r\nSleepTime=5\r\nSendDelay=20\r\nTimeOut=300\r\nDataBits=7\r\nStopBits=2\r\nParity=2\r\n"
       "BaudRate=4800\r\n",
       Comm(4800, 2, 2, 7, 300, 20, 5)},
      {"digits then letters", "[COMM]\r\nTimeOut=2000abc\r\n", Comm(9600, 0, 0, 8, 2000, 500, 50)},
      {"letters only", "[COMM]\r\nTimeOut=abc\r\n", Comm(9600, 0, 0, 8, 0, 500, 50)},
      {"empty value keeps the default", "[COMM]\r\nTimeOut=\r\n", Comm(9600, 0, 0, 8, 1000, 500, 50)},
      {"names in any case", "[comm]\r\nbaudrate=2400\r\n", Comm(2400, 0, 0, 8, 1000, 500, 50)},
      {"negative value passed on", "[COMM]\r\nSleepTime=-1\r\n", Comm(9600, 0, 0, 8, 1000, 500, -1)},
  };
  for (const CommCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    if (c.file) dir.Write("TAVO.ini", c.file);
    CommSettings ini;
    EXPECT_EQ(ReadCommSettings(ini), 0);
    EXPECT_EQ(ini.BaudRate, c.expected.BaudRate);
    EXPECT_EQ(ini.Parity, c.expected.Parity);
    EXPECT_EQ(ini.StopBits, c.expected.StopBits);
    EXPECT_EQ(ini.DataBits, c.expected.DataBits);
    EXPECT_EQ(ini.TimeOut, c.expected.TimeOut);
    EXPECT_EQ(ini.SendDelay, c.expected.SendDelay);
    EXPECT_EQ(ini.SleepTime, c.expected.SleepTime);
  }
}

TEST(CommSettings, AnEditedFileIsReadAgain) {
  TempCurrentDir dir;
  CommSettings first;
  dir.Write("TAVO.ini", "[COMM]\r\nBaudRate=19200\r\n");
  ReadCommSettings(first);
  dir.Write("TAVO.ini", "[COMM]\r\nBaudRate=38400\r\n");
  CommSettings second;
  ReadCommSettings(second);
  EXPECT_EQ(first.BaudRate, 19200);
  EXPECT_EQ(second.BaudRate, 38400);
}

TEST(CommSettings, ANewInstanceIsAllZero) {
  CommSettings ini;
  EXPECT_EQ(ini.BaudRate + ini.Parity + ini.StopBits + ini.DataBits + ini.TimeOut + ini.SendDelay +
                ini.SleepTime,
            0);
}

struct LogCase {
  const char* name;
  const char* file;   // content of SETTING.ini, null for no file
  const char* logPath;
  int logDeleteDay;
  bool logOutSwitch;
};

TEST(LogSettings, ReadsClampsAndSwitches) {
  const LogCase cases[] = {
      {"no file", nullptr, "", 10, false},
      {"path and switch", "[TAVO]\r\nLogPath=logs\\tavo\r\n[LogOut]\r\nLogOutSwitch=1\r\n", "logs\\tavo", 10, true},
      {"0 days behaves as 1", "[TAVO]\r\nLogDeleteDay=0\r\n", "", 1, false},
      {"negative days behave as 1", "[TAVO]\r\nLogDeleteDay=-5\r\n", "", 1, false},
      {"1 day", "[TAVO]\r\nLogDeleteDay=1\r\n", "", 1, false},
      {"99 days", "[TAVO]\r\nLogDeleteDay=99\r\n", "", 99, false},
      {"100 days", "[TAVO]\r\nLogDeleteDay=100\r\n", "", 100, false},
      {"365 days behave as 100", "[TAVO]\r\nLogDeleteDay=365\r\n", "", 100, false},
      {"switch 0", "[LogOut]\r\nLogOutSwitch=0\r\n", "", 10, false},
      {"switch missing", "[LogOut]\r\nOther=1\r\n", "", 10, false},
      {"switch of letters", "[LogOut]\r\nLogOutSwitch=on\r\n", "", 10, false},
      {"switch 10 is on", "[LogOut]\r\nLogOutSwitch=10\r\n", "", 10, true},
      {"switch cut to two characters", "[LogOut]\r\nLogOutSwitch=001\r\n", "", 10, false},
  };
  for (const LogCase& c : cases) {
    SCOPED_TRACE(c.name);
    TempCurrentDir dir;
    if (c.file) dir.Write("SETTING.ini", c.file);
    LogSettings settings = ReadLogSettings(dir.path().string());
    EXPECT_EQ(settings.logPath, c.logPath);
    EXPECT_EQ(settings.logDeleteDay, c.logDeleteDay);
    EXPECT_EQ(settings.logOutSwitch, c.logOutSwitch);
  }
}

TEST(LogSettings, LogPathIsCutTo259Characters) {
  TempCurrentDir dir;
  std::string longPath(300, 'a');
  dir.Write("SETTING.ini", "[TAVO]\r\nLogPath=" + longPath + "\r\n");
  EXPECT_EQ(ReadLogSettings(dir.path().string()).logPath, std::string(259, 'a'));
}

TEST(IniPaths, JoinPathAddsOneSeparator) {
  const std::string sep(1, plat::PathSeparator());
  struct Case { std::string dir; std::string joined; };
  const Case cases[] = {
      {"d", "d" + sep + "x"},
      {"d" + sep, "d" + sep + "x"},
      {"", sep + "x"},
      {"表", "表" + sep + "x"},   // its second byte is a backslash
  };
  for (const Case& c : cases) EXPECT_EQ(JoinPath(c.dir, "x"), c.joined.c_str()) << c.dir;
}

TEST(MakerInfoFile, CountsOnlyInTheCurrentDirectory) {
  TempCurrentDir dir;
  EXPECT_FALSE(HasMakerInfoFile());
  std::filesystem::create_directory(dir.path() / "bin");
  dir.Write("bin/vorinfo.ini", "");
  EXPECT_FALSE(HasMakerInfoFile());
  dir.Write("vorinfo.ini", "");   // empty: only its presence counts
  EXPECT_TRUE(HasMakerInfoFile());
}

}  // namespace
