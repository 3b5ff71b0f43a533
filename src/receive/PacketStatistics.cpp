#include "receive/PacketStatistics.h"

#include <algorithm>

bool PacketStatistics::recordReceived(int nowMs) {
  ++RxPacketCount;
  PrevPacketMs = LastPacketMs;
  LastPacketMs = nowMs;
  const int gap = nowMs - PrevPacketMs;
  // No gap before the first entry of the run (PrevPacketMs still 0), and a
  // gap across the weekly return of the clock to 0 comes out negative.
  if (gap <= 0 || PrevPacketMs <= 0) return false;
  MinGapMs = std::min(MinGapMs, gap);
  MaxGapMs = std::max(MaxGapMs, gap);
  return true;
}

void PacketStatistics::reset() {
  TxPacketCount = 0;
  RxPacketCount = 0;
  MinGapMs = INT_MAX;
  MaxGapMs = 0;
}

std::string PacketStatistics::sendLabel() const {
  return "Send: " + std::to_string(TxPacketCount);
}

std::string PacketStatistics::readLabel() const {
  return "Read: " + std::to_string(RxPacketCount);
}

std::string PacketStatistics::minLabel() const {
  return "MIN_T_W:  " + (MinGapMs == INT_MAX ? std::string("NA") : std::to_string(MinGapMs));
}

std::string PacketStatistics::maxLabel() const {
  return "MAX_T_W: " + (MaxGapMs == 0 ? std::string("NA") : std::to_string(MaxGapMs));
}
