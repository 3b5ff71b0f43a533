#pragma once
// ByteTotals: all bytes handed to the port and read from it since start-up,
// shown as "TX: n RX: n". Never reset. The counters are 32-bit and wrap
// rather than overflow.

#include <cstdint>
#include <string>

struct ByteTotals {
  int TxByteTotal = 0;
  int RxByteTotal = 0;

  void addTx(int n) { TxByteTotal = wrapAdd(TxByteTotal, n); }
  void addRx(int n) { RxByteTotal = wrapAdd(RxByteTotal, n); }
  std::string label() const {
    return "TX: " + std::to_string(TxByteTotal) + " RX: " + std::to_string(RxByteTotal);
  }

 private:
  static int wrapAdd(int a, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
  }
};
