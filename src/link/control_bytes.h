// The control bytes of the serial protocol.
#pragma once
#include <cstdint>

constexpr std::uint8_t kStx = 0x02;   // starts every frame
constexpr std::uint8_t kEtx = 0x03;   // ends a frame from the tool
constexpr std::uint8_t kEot = 0x04;   // ends a reply frame from the instrument
constexpr std::uint8_t kAck = 0x06;   // the instrument took a setting
constexpr std::uint8_t kNak = 0x15;   // the instrument refused a frame

// Size of the reply buffer: the longest frame the receiver delivers.
constexpr int kReplyBufferSize = 20480;
