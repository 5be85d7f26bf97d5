// The program's texts are in code page 932 (Shift_JIS), whatever the system.
#pragma once

// True for the first byte of a two-byte code page 932 character.
bool IsLeadByte932(unsigned char c);
