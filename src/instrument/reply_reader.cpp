#include "instrument/reply_reader.h"

#include "link/control_bytes.h"
#include "link/reply_dispatch.h"
#include "link/reply_fields.h"
#include "platform/sync.h"

ReplyReader::ReplyReader(CSerial& link, char letter) : m_bytes(kReplyBufferSize + 16, 0) {
  plat::LockGuard guard(link.ReplyLock());
  Take(link.ReplyBuffer(), link.ReplyLength(), letter);
}

ReplyReader::ReplyReader(const std::uint8_t* frame, int length, char letter) : m_bytes(kReplyBufferSize + 16, 0) {
  Take(frame, length, letter);
}

void ReplyReader::Take(const std::uint8_t* frame, int length, char letter) {
  m_answered = IsReplyOf(frame, length, letter);
  if (!m_answered) return;
  m_length = length < kReplyBufferSize ? length : kReplyBufferSize;
  for (int i = 0; i < m_length; ++i) m_bytes[static_cast<size_t>(i)] = frame[i];
}

void ReplyReader::Inspect(int first, int count) const {
  for (int i = first < 0 ? 0 : first; i < first + count && i < m_length; ++i)
    if (m_bytes[static_cast<size_t>(i)] < 0x20) m_damaged = true;
}

std::string ReplyReader::Field(int first, int count) const {
  Inspect(first, count);
  std::string field;
  for (int i = first; i < first + count && At(i) != '\0'; ++i) field += At(i);
  return field;
}

std::string ReplyReader::SignedNumber(int signPosition, int width) const {
  if (signPosition < 0 || signPosition + width >= kReplyBufferSize) return std::string();
  Inspect(signPosition, width + 1);
  return TrimNumber(ReadSignedField(m_bytes.data(), signPosition, width));
}

std::string ReplyReader::Number(int first, int count) const {
  if (first < 0 || first + count >= kReplyBufferSize) return std::string();
  Inspect(first, count);
  return TrimNumber(reinterpret_cast<const char*>(m_bytes.data()) + first, count);
}

char ReplyReader::At(int position) const {
  Inspect(position, 1);
  return position >= 0 && position < kReplyBufferSize ? static_cast<char>(m_bytes[static_cast<size_t>(position)]) : '\0';
}
