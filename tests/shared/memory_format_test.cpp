// The memory records cut from the memory reply, and the bytes of their CSV file.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "instrument/memory_format.h"

namespace {

// Record `i`'s 38 text characters, as an instrument would write them.
std::string Text(int i) {
  std::string text = "2024/06/01 10:" + std::to_string(10 + i % 50) + ",+25.3,+26.1,+28.4,0" + std::to_string(10 + i % 90);
  return text.substr(0, 38);
}

std::string MemoryReply(const std::string& payload) { return std::string("\x02O", 2) + payload; }

bool Split(const std::string& reply, MemoryRecords& records) {
  return SplitMemoryRecords(reinterpret_cast<const std::uint8_t*>(reply.data()), static_cast<int>(reply.size()), records);
}

// The 42 bytes a record kept from `text`: its text, CR, then three zero bytes.
std::string Kept(const std::string& text) { return text + "\r" + std::string(3, '\0'); }

std::string Bytes(const COutputData& record) { return std::string(record.data, sizeof record.data); }

TEST(MemoryFormat, RecordTextsAre38Characters) {
  EXPECT_EQ(kMemoryTextSize, 38);
  EXPECT_EQ(kMemoryRecordSize, 40) << "the text, CR and LF";
  for (int i : {0, 1, 49, 510}) EXPECT_EQ(Text(i).size(), 38u) << i;   // the texts the cases below use
}

TEST(MemoryFormat, SplitsTheReplyIntoWholeRecordsEndingInCrLf) {
  const std::string a = Text(0) + "\r\n", b = Text(1) + "\r\n", c = Text(2) + "\r\n";
  struct Case {
    const char* name;
    std::string reply;
    std::vector<std::string> texts;   // the records kept, in order
    bool whole;                       // nothing dropped, nothing left over
  };
  const Case cases[] = {
      {"nothing at all", "", {}, false},
      {"STX alone", "\x02", {}, false},
      {"no records", MemoryReply(""), {}, true},
      {"41 bytes: one record short of its LF", MemoryReply(a.substr(0, 39)), {}, false},
      {"42 bytes: one record", MemoryReply(a), {Text(0)}, true},
      {"81 bytes: the second record incomplete", MemoryReply(a + b.substr(0, 39)), {Text(0)}, false},
      {"82 bytes: two records", MemoryReply(a + b), {Text(0), Text(1)}, true},
      {"a space at byte 39 drops that record only", MemoryReply(a + Text(1) + "\r " + c), {Text(0), Text(2)}, false},
      {"a missing CR drops that record only", MemoryReply(a + Text(1) + " \n" + c), {Text(0), Text(2)}, false},
      {"LF CR is no ending", MemoryReply(Text(0) + "\n\r" + b), {Text(1)}, false},
      {"a shifted reply keeps nothing", MemoryReply(" " + a + b), {}, false},
      {"bytes after the last record are ignored", MemoryReply(a + b + "\r\n"), {Text(0), Text(1)}, false},
      {"one ETX after the last record is no damage", MemoryReply(a + "\x03"), {Text(0)}, true},
      {"a zero byte in a text: kept as it came, damage", MemoryReply(a + Text(1).substr(0, 20) + '\0' +
                                                                      Text(1).substr(21) + "\r\n"),
       {Text(0), Text(1).substr(0, 20) + '\0' + Text(1).substr(21)}, false},
      {"an LF in a text: damage", MemoryReply("\n" + Text(0).substr(1) + "\r\n"), {"\n" + Text(0).substr(1)}, false},
      {"0x1A in a text: damage", MemoryReply(Text(0).substr(0, 37) + "\x1A\r\n"), {Text(0).substr(0, 37) + "\x1A"}, false},
      {"DEL in a text: damage", MemoryReply(Text(0).substr(0, 5) + "\x7F" + Text(0).substr(6) + "\r\n"),
       {Text(0).substr(0, 5) + "\x7F" + Text(0).substr(6)}, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    MemoryRecords records;
    EXPECT_EQ(Split(c.reply, records), c.whole);
    ASSERT_EQ(static_cast<int>(records.size()), static_cast<int>(c.texts.size()));
    for (size_t i = 0; i < records.size(); ++i) EXPECT_EQ(Bytes(records[i]), Kept(c.texts[i]));
  }
}

TEST(MemoryFormat, The511RecordsOfAFullReplyBufferAreAllKept) {
  std::string payload;
  for (int i = 0; i < 511; ++i) payload += Text(i) + "\r\n";
  ASSERT_EQ(MemoryReply(payload).size(), 20442u);
  MemoryRecords records;
  Split(MemoryReply(payload), records);
  ASSERT_EQ(static_cast<int>(records.size()), 511);
  EXPECT_EQ(Bytes(records[0]), Kept(Text(0)));
  EXPECT_EQ(Bytes(records[510]), Kept(Text(510)));
}

TEST(MemoryFormat, ASecondSplitReplacesTheRecordsOfTheFirst) {
  MemoryRecords records;
  Split(MemoryReply(Text(0) + "\r\n" + Text(1) + "\r\n"), records);
  Split(MemoryReply(Text(7) + "\r\n"), records);
  ASSERT_EQ(static_cast<int>(records.size()), 1);
  EXPECT_EQ(Bytes(records[0]), Kept(Text(7)));
  Split(MemoryReply(""), records);
  EXPECT_EQ(static_cast<int>(records.size()), 0);
}

TEST(MemoryFormat, CsvIsEachTextFollowedByCr) {
  struct Case {
    const char* name;
    std::vector<std::string> records;   // the 40 bytes received of each
    std::string csv;
  };
  const std::string zeroInside = std::string("2024/06/01 10:10,+25.3") + '\0' + "+26.1,+28.4,045\r\n";
  const Case cases[] = {
      {"no records: an empty file", {}, ""},
      {"one record", {Text(0) + "\r\n"}, Text(0) + "\r"},
      {"two records: 78 bytes", {Text(0) + "\r\n", Text(1) + "\r\n"}, Text(0) + "\r" + Text(1) + "\r"},
      {"a zero byte ends the text, the CR still ends the line",
       {zeroInside, Text(1) + "\r\n"}, "2024/06/01 10:10,+25.3\r" + Text(1) + "\r"},
      {"text bytes go out unchanged", {std::string("\x83\x81\x83\x82\x83\x8a") + Text(0).substr(6) + "\r\n"},
       std::string("\x83\x81\x83\x82\x83\x8a") + Text(0).substr(6) + "\r"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string payload;
    for (const std::string& record : c.records) payload += record;
    MemoryRecords records;
    Split(MemoryReply(payload), records);
    ASSERT_EQ(static_cast<int>(records.size()), static_cast<int>(c.records.size()));
    EXPECT_EQ(MemoryCsvText(records), c.csv);
  }
  EXPECT_EQ(MemoryCsvText(MemoryRecords()).size(), 0u);
}

}  // namespace
