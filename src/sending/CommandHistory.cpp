#include "sending/CommandHistory.h"

#include <algorithm>
#include <cstring>

CommandHistory::CommandHistory() = default;

namespace {

using Record = std::array<unsigned char, CommandHistory::kRecordSize>;

// Only the length byte and the characters it covers belong to the entry;
// whatever follows them in the record is left over from older entries.
bool holds(const Record& record, std::string_view line) {
  return record[0] == line.size() && std::memcmp(record.data() + 1, line.data(), line.size()) == 0;
}

}  // namespace

bool CommandHistory::AddOldCmd(std::string_view line) {
  // An empty line would match every unused entry and could land on top as
  // an "entry in use" of length 0; the send path never records one anyway.
  if (line.empty() || line.size() >= static_cast<size_t>(kCapacity)) return false;

  int last = kEntries;  // 1-based: the slot whose content is given up
  for (int k = kEntries; k >= 1; --k) {
    if (holds(m_records[k - 1], line)) {
      last = k;
      break;
    }
  }
  for (int n = last; n >= 2; --n) m_records[n - 1] = m_records[n - 2];

  // Entry 1 keeps its bytes past the new length, as a short string would.
  Record& top = m_records[0];
  top[0] = static_cast<unsigned char>(line.size());
  std::memcpy(top.data() + 1, line.data(), line.size());
  return true;
}

std::string CommandHistory::entry(int k) const {
  if (k < 1 || k > kEntries) return {};
  const Record& record = m_records[k - 1];
  return std::string(reinterpret_cast<const char*>(record.data() + 1), record[0]);
}

std::vector<std::string> CommandHistory::entries() const {
  std::vector<std::string> inUse;
  for (int k = 1; k <= kEntries; ++k) {
    if (m_records[k - 1][0] != 0) inUse.push_back(entry(k));
  }
  return inUse;
}

std::string CommandHistory::toRecords() const {
  std::string image;
  image.reserve(kFileSize);
  for (const Record& record : m_records)
    image.append(reinterpret_cast<const char*>(record.data()), record.size());
  return image;
}

void CommandHistory::fromRecords(std::string_view records) {
  // A short image (never handed over by HistoryFile) leaves the rest empty.
  for (int k = 0; k < kEntries; ++k) {
    Record& record = m_records[k];
    record.fill(0);
    const size_t offset = static_cast<size_t>(k) * kRecordSize;
    if (offset >= records.size()) continue;
    const size_t count = std::min<size_t>(kRecordSize, records.size() - offset);
    std::memcpy(record.data(), records.data() + offset, count);
  }
}
