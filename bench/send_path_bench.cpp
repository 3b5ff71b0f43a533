// The send path without the port: tail templates, encoding, the echo entry
// and its append to a real log window.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <string>
#include "ui/LogWindow.h"

#include "platform/Cp1251.h"
#include "receive/LogEntry.h"
#include "transmit/ChecksumTemplates.h"
#include "transmit/PayloadEncoder.h"

namespace {

std::string asciiLine(size_t n) {
  std::string s;
  for (size_t i = 0; i < n; ++i) s += static_cast<char>('!' + i % 94);
  return s;
}

std::string hexLine(size_t bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (size_t i = 0; i < bytes; ++i) {
    if (i) s += ' ';
    s += digits[(i * 7) % 16];
    s += digits[(i * 13) % 16];
  }
  return s;
}

void sendPath(benchmark::State& state, const std::string& line, const std::string& tailTemplate,
              OutputMode mode) {
  LogWindow log;
  log.resize(937, 373);
  log.show();
  LocalTime now{2024, 3, 5, 14, 3, 7, 125, 2};
  for (auto _ : state) {
    const std::string tail = ConvAddStr(tailTemplate, line, mode);
    const EncodedPayload payload = encodePayload(line, tail, mode);
    const std::string entry = sentEntry(payload.echo, now);
    log.appendPlainText(Cp1251::toUnicode(displayText(entry)));
    benchmark::DoNotOptimize(payload.bytes.data());
    if (log.blockCount() > 10000) log.clear();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * line.size()));
}

void BM_SendAscii250(benchmark::State& state) {
  sendPath(state, asciiLine(250), "*[XOR_8 (1..n)]$0D$0A", OutputMode::Ascii);
}
void BM_SendHex2048Bytes(benchmark::State& state) {
  sendPath(state, hexLine(2048), " [SUM_8(0..n)]", OutputMode::Hex);
}
BENCHMARK(BM_SendAscii250);
BENCHMARK(BM_SendHex2048Bytes);

}  // namespace

int main(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
