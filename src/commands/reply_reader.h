// The fields of the reply a query just received, for the commands: the reply
// is copied out of the link's reply buffer under its lock, and positions
// beyond the reply received read as empty, never as an earlier frame's bytes.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "link/serial.h"
#include "link/transactions.h"

class ReplyReader {
public:
  explicit ReplyReader(CSerial& link);

  // The characters at positions [first, first + count), ended early by a zero byte.
  std::string Field(int first, int count) const;
  // The signed value field whose sign is at `signPosition`, with `width`
  // value characters, trimmed as the pages show numbers.
  std::string SignedNumber(int signPosition, int width) const;
  // The `count` characters at `first`, trimmed as the pages show numbers.
  std::string Number(int first, int count) const;
  // The byte at `position`, or 0 beyond the reply.
  char At(int position) const;

private:
  std::vector<std::uint8_t> m_bytes;   // the reply, then zeros
};

// The result of a query command for the outcome of its transaction: whether
// its fields are to be shown, and the int the command returns.
inline bool HasReply(QueryOutcome outcome) { return outcome != QueryOutcome::NoReply; }
inline int QueryResult(QueryOutcome outcome) { return outcome == QueryOutcome::Replied ? 1 : 0; }
