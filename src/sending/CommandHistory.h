#pragma once
// CommandHistory: the 50 most recent distinct sent lines, newest first, as
// fixed records of one length byte and 255 Windows-1251 bytes, mirrored byte
// for byte by the file "OldCmd" (50 x 256 = 12800 bytes, no header).
// Entries in use come first; no line occurs twice; a line sent again moves
// to the top; lines of 255 characters or more are never recorded.
// The send path calls AddOldCmd; the console reads entries() to fill the
// history drop-down. Loading and saving go through HistoryFile.

#include <array>
#include <string>
#include <string_view>
#include <vector>

class CommandHistory {
 public:
  static constexpr int kEntries = 50;
  static constexpr int kCapacity = 255;
  static constexpr int kRecordSize = 1 + kCapacity;
  static constexpr int kFileSize = kEntries * kRecordSize;

  CommandHistory();

  // Records a sent line. Returns false (and records nothing) for a line of
  // 255 characters or more.
  bool AddOldCmd(std::string_view line);

  // Entry k (1..50); empty when not in use.
  std::string entry(int k) const;
  // The entries in use, newest first.
  std::vector<std::string> entries() const;

  // The 12800-byte image of the file, and back. fromRecords takes exactly
  // kFileSize bytes (extra bytes are ignored by the caller).
  std::string toRecords() const;
  void fromRecords(std::string_view records);

 private:
  // Raw records, so bytes after an entry's length survive a load/save
  // round trip exactly as the file had them.
  std::array<std::array<unsigned char, kRecordSize>, kEntries> m_records{};
};
