// The receiver's frame assembly and the reply-field rules on arbitrary bytes:
// no read or write past a buffer whatever the line sends, no frame longer
// than the assembler's capacity, an event index within the link's events,
// and trimmed and zero-filled fields of the lengths their rules give.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz/field_properties.h"
#include "link/frame_assembler.h"
#include "link/reply_dispatch.h"
#include "link/reply_fields.h"

namespace {

const int kCapacity = 64;   // small, so oversize frames are common

// An event for exactly the actions that signal one, and one the link has.
void CheckDispatch(const ReplyDispatch& dispatch) {
  const bool signals = dispatch.action == ReplyAction::SignalReply || dispatch.action == ReplyAction::RecordAck;
  if (signals != (dispatch.eventIndex >= 0)) __builtin_trap();
  if (dispatch.eventIndex < -1 || dispatch.eventIndex >= kReplyEventCount) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FrameAssembler assembler(kCapacity);
  for (std::size_t i = 0; i < size; ++i) {
    const FrameStep step = assembler.Feed(data[i]);
    if (assembler.Length() > kCapacity) __builtin_trap();
    if (step != FrameStep::Complete) continue;
    if (assembler.Length() < 1) __builtin_trap();
    CheckDispatch(ClassifyFrame(assembler.Bytes(), assembler.Length(), (i & 1) != 0));
    // A field the length of the frame, from its start: as a command reads it.
    CheckTrimNumber(reinterpret_cast<const char*>(assembler.Bytes()), assembler.Length());
    if (assembler.Length() >= 9) {
      const std::string field = ReadSignedField(assembler.Bytes(), 2, 4);
      CheckTrimNumber(field.data(), static_cast<int>(field.size()));
    }
    assembler.Clear();
  }
  CheckZeroFillOfInput(std::string(reinterpret_cast<const char*>(data), size));
  return 0;
}
