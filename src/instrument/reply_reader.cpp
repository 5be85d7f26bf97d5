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
  for (int i = 0; i < length && i < kReplyBufferSize; ++i) m_bytes[static_cast<size_t>(i)] = frame[i];
}

std::string ReplyReader::Field(int first, int count) const {
  std::string field;
  for (int i = first; i < first + count && At(i) != '\0'; ++i) field += At(i);
  return field;
}

std::string ReplyReader::SignedNumber(int signPosition, int width) const {
  if (signPosition < 0 || signPosition + width >= kReplyBufferSize) return std::string();
  return TrimNumber(ReadSignedField(m_bytes.data(), signPosition, width));
}

std::string ReplyReader::Number(int first, int count) const {
  if (first < 0 || first + count >= kReplyBufferSize) return std::string();
  return TrimNumber(reinterpret_cast<const char*>(m_bytes.data()) + first, count);
}

char ReplyReader::At(int position) const {
  return position >= 0 && position < kReplyBufferSize ? static_cast<char>(m_bytes[static_cast<size_t>(position)]) : '\0';
}
