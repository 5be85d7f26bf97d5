// The fields of the reply a query just received, for the commands: the reply
// is copied out of the link's reply buffer under its lock, and positions
// beyond the reply received read as empty, never as an earlier frame's bytes.
// Only a reply frame of the query's own letter is taken: anything else in the
// buffer counts as no answer, and every field reads as empty. A control byte
// (below 0x20) at a position a command reads makes the reply damaged: the
// command then shows nothing of it.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "link/serial.h"
#include "link/transactions.h"

class ReplyReader {
public:
  ReplyReader(CSerial& link, char letter);
  // The reply `frame` of `length` bytes from STX on, as the link keeps it.
  ReplyReader(const std::uint8_t* frame, int length, char letter);

  // True when the buffer held a reply frame of the letter.
  bool Answered() const { return m_answered; }
  // The positions the reply filled (0 when not answered).
  int Length() const { return m_length; }

  // The characters at positions [first, first + count), ended early by a zero byte.
  std::string Field(int first, int count) const;
  // The signed value field whose sign is at `signPosition`, with `width`
  // value characters, trimmed as the pages show numbers.
  std::string SignedNumber(int signPosition, int width) const;
  // The `count` characters at `first`, trimmed as the pages show numbers.
  std::string Number(int first, int count) const;
  // The byte at `position`, or 0 beyond the reply.
  char At(int position) const;

  // True when a position read so far lies within the reply and holds a
  // control byte: a character was lost or replaced on the line. Read every
  // field first, then show them only when this is false.
  bool Damaged() const { return m_damaged; }

private:
  void Take(const std::uint8_t* frame, int length, char letter);
  // Notes damage in the positions [first, first + count).
  void Inspect(int first, int count) const;

  std::vector<std::uint8_t> m_bytes;   // the reply, then zeros
  int m_length = 0;                    // the positions the reply filled
  bool m_answered = false;
  mutable bool m_damaged = false;
};
