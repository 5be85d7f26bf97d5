// The receiver's frame assembly and the reply-field rules on arbitrary bytes:
// no read or write past a buffer whatever the line sends.
#include <cstddef>
#include <cstdint>
#include <string>

#include "link/frame_assembler.h"
#include "link/reply_dispatch.h"
#include "link/reply_fields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FrameAssembler assembler(64);   // small, so oversize frames are common
  for (std::size_t i = 0; i < size; ++i) {
    if (assembler.Feed(data[i]) != FrameStep::Complete) continue;
    ClassifyFrame(assembler.Bytes(), assembler.Length(), (i & 1) != 0);
    // A field the length of the frame, from its start: as a command reads it.
    TrimNumber(reinterpret_cast<const char*>(assembler.Bytes()), assembler.Length());
    if (assembler.Length() >= 9) ReadSignedField(assembler.Bytes(), 2, 4);
    assembler.Clear();
  }
  std::string text(reinterpret_cast<const char*>(data), size);
  ZeroFill(text, static_cast<int>(size % 8));
  return 0;
}
