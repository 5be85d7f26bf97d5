// Frame assembly from the byte stream, and what each frame dispatches.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "link/frame_assembler.h"
#include "link/reply_dispatch.h"

namespace {

// Feeds `stream` and lists the frames delivered; oversize drops count as "dropped".
std::vector<std::string> Assemble(const std::string& stream, int capacity = kReplyBufferSize) {
  FrameAssembler assembler(capacity);
  std::vector<std::string> frames;
  for (char c : stream) {
    FrameStep step = assembler.Feed(static_cast<std::uint8_t>(c));
    if (step == FrameStep::Complete) {
      frames.emplace_back(reinterpret_cast<const char*>(assembler.Bytes()), assembler.Length());
      assembler.Clear();
    } else if (step == FrameStep::Dropped) {
      frames.emplace_back("dropped");
    } else if (step == FrameStep::Outgrown) {
      frames.emplace_back("outgrown");
    }
  }
  if (assembler.HasDeliverable())
    frames.emplace_back("open:" + std::string(reinterpret_cast<const char*>(assembler.Bytes()), assembler.Length()));
  return frames;
}

using Frames = std::vector<std::string>;

TEST(FrameAssembler, CutsTheStreamIntoFrames) {
  const struct { const char* name; std::string stream; Frames expected; } cases[] = {
      {"reply frame", "\x02" "D+25.3\x04", {"\x02" "D+25.3"}},
      {"noise before STX is dropped", std::string("\0A\xFF\x03\x04", 5) + "\x02Q1\x04", {"\x02Q1"}},
      {"ACK and NAK are frames of their own", "\x06x\x15", {"\x06", "\x15"}},
      {"STX, ACK and NAK inside a frame are data", "\x02v\x02\x06\x15z\x04", {"\x02v\x02\x06\x15z"}},
      {"ETX does not end a reply", "\x02T12\x03" "34\x04", {"\x02T12\x03" "34"}},
      {"empty reply", "\x02\x04", {"\x02"}},
      {"back to back", "\x02" "a\x04\x06\x02" "b\x04", {"\x02" "a", "\x06", "\x02" "b"}},
      {"frame left open", "\x02O1234", {"open:\x02O1234"}},
      {"EOT outside a frame is noise", "\x04\x04", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Assemble(c.stream), c.expected) << c.name;
}

TEST(FrameAssembler, SplitFramesJoin) {
  FrameAssembler assembler;
  const std::string pieces[] = {"\x02", "v", "TAVO-", "410A1.21  ", "\x04"};
  FrameStep step = FrameStep::Open;
  for (const std::string& piece : pieces)
    for (char c : piece) step = assembler.Feed(static_cast<std::uint8_t>(c));
  ASSERT_EQ(step, FrameStep::Complete);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(assembler.Bytes()), assembler.Length()),
            "\x02vTAVO-410A1.21  ");
}

TEST(FrameAssembler, NeverStoresPastItsCapacity) {
  const struct { const char* name; std::string stream; Frames expected; } cases[] = {
      {"exactly full", "\x02" "D12345678\x04", {"\x02" "D12345678"}},
      {"one byte over is told at once and dropped whole", "\x02" "D123456789\x04", {"outgrown", "dropped"}},
      {"the next frame still comes", "\x02" "D123456789xyz\x04\x02" "E\x04", {"outgrown", "dropped", "\x02" "E"}},
      {"an oversize frame that never ends is told, not delivered", "\x02" "D123456789", {"outgrown"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Assemble(c.stream, 10), c.expected) << c.name;
}

TEST(FrameAssembler, TheLongestReplyFits) {
  std::string memory = "\x02O" + std::string(511 * 40, 'r');
  EXPECT_EQ(Assemble(memory + "\x04").at(0).size(), memory.size());
  EXPECT_EQ(Assemble(memory + std::string(kReplyBufferSize, 'r') + "\x04"), Frames({"outgrown", "dropped"}));
}

TEST(ReplyDispatch, LettersAndAcknowledgements) {
  const struct { std::string frame; bool awaiting; ReplyAction action; int event; } cases[] = {
      {"\x02o", false, ReplyAction::SignalReply, 0},   {"\x02v", false, ReplyAction::SignalReply, 2},
      {"\x02M", true, ReplyAction::SignalReply, 3},    {"\x02" "D", false, ReplyAction::SignalReply, 7},
      {"\x02" "E", false, ReplyAction::SignalReply, 4}, {"\x02" "F", false, ReplyAction::SignalReply, 5},
      {"\x02O", false, ReplyAction::SignalReply, 14},  {"\x02s", false, ReplyAction::SignalReply, 18},
      {"\x02x", false, ReplyAction::Unknown, -1},      {"\x02\x06", true, ReplyAction::Unknown, -1},
      {"\x02", false, ReplyAction::Unknown, -1},
      {"\x06", true, ReplyAction::RecordAck, kAckEventIndex}, {"\x06", false, ReplyAction::Ignore, -1},
      {"\x15", true, ReplyAction::RecordNak, -1},      {"\x15", false, ReplyAction::Ignore, -1},
  };
  for (const auto& c : cases) {
    ReplyDispatch d = ClassifyFrame(reinterpret_cast<const std::uint8_t*>(c.frame.data()),
                                    static_cast<int>(c.frame.size()), c.awaiting);
    EXPECT_EQ(d.action, c.action) << c.frame.back() << " awaiting " << c.awaiting;
    EXPECT_EQ(d.eventIndex, c.event) << c.frame.back();
  }
}

TEST(ReplyDispatch, EveryReplyLetterHasItsOwnEvent) {
  const std::string letters = "ovMEFGDPQVTIBOKSLs";
  std::vector<bool> used(kReplyEventCount, false);
  for (char letter : letters) {
    int index = ReplyEventIndex(letter);
    ASSERT_GE(index, 0) << letter;
    EXPECT_NE(index, kAckEventIndex) << letter;
    EXPECT_FALSE(used[index]) << letter;
    used[index] = true;
  }
  for (char letter : {'x', 'A', 'a', '$', '\x06', '\0'}) EXPECT_EQ(ReplyEventIndex(letter), -1) << letter;
}

}  // namespace
