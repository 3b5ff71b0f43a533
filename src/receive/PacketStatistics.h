#pragma once
// PacketStatistics: packet counts (of entries that passed the filter) and the
// shortest and longest gap between received entries, in week-clock
// milliseconds. The reset keeps the time of the last entry, so the first gap
// after a reset is measured from the entry before it. A gap that spans the
// weekly wrap comes out negative and is not counted.

#include <climits>
#include <string>

struct PacketStatistics {
  int TxPacketCount = 0;
  int RxPacketCount = 0;
  int MinGapMs = INT_MAX;
  int MaxGapMs = 0;
  int LastPacketMs = 0;
  int PrevPacketMs = 0;

  // A received entry passed the filter at nowMs. Returns true when the gap
  // labels changed.
  bool recordReceived(int nowMs);
  void reset();

  std::string sendLabel() const;  // "Send: N"
  std::string readLabel() const;  // "Read: N"
  std::string minLabel() const;   // "MIN_T_W:  N" or "MIN_T_W:  NA"
  std::string maxLabel() const;   // "MAX_T_W: N" or "MAX_T_W: NA"
};
