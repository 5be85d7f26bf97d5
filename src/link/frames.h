// The frames the tool sends: STX, the command's head, the payload, ETX. The
// queries are built here; the layouts of the setting frames are the
// catalogue's (instrument/catalogue.cpp). Pure functions.
#pragma once
#include <string>

std::string QueryFrame(char letter);             // STX '$' letter ETX
std::string VersionQueryFrame();                 // STX '#' 'v' ETX
std::string AdCountQueryFrame(char channel);     // STX '$' 'V' channel digit ETX
std::string ResetSettingsFrame();                // STX 'i' '*' '*' ETX
// A setting frame: STX, `head` ("B", "sa"), `payload`, ETX.
std::string SettingFrame(const std::string& head, const std::string& payload);
