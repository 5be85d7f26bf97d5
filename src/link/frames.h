// The frames the tool sends: STX, the command's head, the payload, ETX. The
// heads and layouts of the queries and setting frames are the catalogue's
// (instrument/catalogue.cpp). Pure functions.
#pragma once
#include <string>

std::string QueryFrame(char letter);             // STX '$' letter ETX: a plain query
// A setting frame: STX, `head` ("B", "sa"), `payload`, ETX.
std::string SettingFrame(const std::string& head, const std::string& payload);
