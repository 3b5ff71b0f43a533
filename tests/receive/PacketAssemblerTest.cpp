#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "doubles/FakeSerialPort.h"
#include "receive/PacketAssembler.h"

namespace {

// Drives the assembler the way the receive controller does: the hand-over
// records the packet and empties the buffer.
struct PacketAssemblerTest : ::testing::Test {
  FakeSerialPort port;
  PacketAssembler rx;
  std::vector<std::string> packets;
  std::vector<bool> gapFlags;
  PacketAssembler::TickInput in{true, 1000, 10, true};

  PacketAssemblerTest() {
    port.existingPaths = {"/dev/ttyUSB0"};
    port.open("/dev/ttyUSB0");
  }

  int tickAt(int nowMs) {
    in.nowMs = nowMs;
    return rx.RxTimerTick(port, in, [this](bool gapPassed) {
      packets.emplace_back(rx.pending());
      gapFlags.push_back(gapPassed);
      rx.clear();
    });
  }
};

TEST_F(PacketAssemblerTest, PacketEndsOnceTheLineIsQuietLongerThanTheSeparationTime) {
  port.incoming = "OK\r\n";
  EXPECT_EQ(tickAt(1000), 4);
  port.incoming = "AT";
  EXPECT_EQ(tickAt(1005), 2);
  EXPECT_EQ(rx.LastRxMs(), 1005);
  EXPECT_EQ(rx.RxQueueCount(), 2);
  // The line end inside did not end the packet; exactly the separation time is not enough.
  tickAt(1015);
  EXPECT_TRUE(packets.empty());
  EXPECT_EQ(rx.RxQueueCount(), 0);
  tickAt(1016);
  ASSERT_EQ(packets, std::vector<std::string>{"OK\r\nAT"});
  EXPECT_EQ(gapFlags, std::vector<bool>{true});
  EXPECT_EQ(rx.RxLength(), 0u);
}

TEST_F(PacketAssemblerTest, GapFlagIsSetOnlyInAsciiMode) {
  in.asciiMode = false;
  port.incoming = "\x01\x02";
  tickAt(1000);
  tickAt(1011);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(gapFlags, std::vector<bool>{false});
}

TEST_F(PacketAssemblerTest, IdleLineWithEmptyBufferHandsNothingOver) {
  for (int now = 1000; now < 1100; now += 7) tickAt(now);
  EXPECT_TRUE(packets.empty());
}

TEST_F(PacketAssemblerTest, SecondReadPastTheThresholdHandsTheWholeBufferOverAtOnce) {
  port.incoming = std::string(1400, 'a');
  tickAt(1000);
  EXPECT_TRUE(packets.empty());
  port.incoming = std::string(400, 'b');
  tickAt(1001);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], std::string(1400, 'a') + std::string(400, 'b'));
  EXPECT_EQ(gapFlags, std::vector<bool>{false});
}

TEST_F(PacketAssemblerTest, ThresholdIsMoreThan1500Bytes) {
  struct Case {
    int size;
    bool handedOverAtOnce;
  } cases[] = {{1500, false}, {1501, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.size);
    packets.clear();
    port.incoming = std::string(static_cast<size_t>(c.size), 'x');
    tickAt(2000);
    EXPECT_EQ(packets.size(), c.handedOverAtOnce ? 1u : 0u);
    tickAt(2011);  // the gap passes either way
    ASSERT_EQ(packets.size(), 1u);
    EXPECT_EQ(packets[0].size(), static_cast<size_t>(c.size));
  }
}

TEST_F(PacketAssemblerTest, ReadsNoMoreThanTheRoomAndLeavesTheRestInTheDriver) {
  std::string stream;
  for (int i = 0; i < 3000; ++i) stream += static_cast<char>('a' + i % 26);
  port.incoming = stream;
  EXPECT_EQ(tickAt(1000), 2048);
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0], stream.substr(0, 2048));
  EXPECT_EQ(port.incoming.size(), 952u);

  EXPECT_EQ(tickAt(1001), 952);
  tickAt(1012);
  ASSERT_EQ(packets.size(), 2u);
  EXPECT_EQ(packets[1], stream.substr(2048));
}

TEST_F(PacketAssemblerTest, FullBufferThatIsNotEmptiedReadsNothingMore) {
  port.incoming = std::string(2100, 'z');
  in.nowMs = 1000;
  int calls = 0;
  rx.RxTimerTick(port, in, [&](bool) { ++calls; });
  EXPECT_EQ(rx.RxLength(), 2048u);
  in.nowMs = 1001;
  EXPECT_EQ(rx.RxTimerTick(port, in, [&](bool) { ++calls; }), 0);
  EXPECT_EQ(rx.RxLength(), 2048u);
  EXPECT_EQ(port.incoming.size(), 52u);
  EXPECT_EQ(calls, 2);
}

TEST_F(PacketAssemblerTest, LongSeparationTimeCutsATrickleAbove1500Bytes) {
  in.idleTimeoutMs = 100000;
  int now = 1000;
  for (int second = 0; second < 20 && packets.empty(); ++second, now += 1000) {
    port.incoming = std::string(100, 't');
    tickAt(now);
  }
  ASSERT_EQ(packets.size(), 1u);
  EXPECT_EQ(packets[0].size(), 1600u);
}

TEST_F(PacketAssemblerTest, ZeroSeparationTimeEndsThePacketAtTheFirstTickWithoutNewBytes) {
  in.idleTimeoutMs = 0;
  port.incoming = "ab";
  tickAt(1000);
  port.incoming = "cd";
  tickAt(1000);  // same millisecond, still arriving
  EXPECT_TRUE(packets.empty());
  tickAt(1001);
  EXPECT_EQ(packets, std::vector<std::string>{"abcd"});
}

TEST_F(PacketAssemblerTest, WeekClockWrapEndsThePacketOneSeparationTimeAfterTheWrap) {
  const int lastMsOfWeek = 604799999;
  port.incoming = "x";
  tickAt(lastMsOfWeek - 2);
  tickAt(3);  // Monday 00:00:00.003: without the wrap rule idle would be negative forever
  EXPECT_EQ(rx.LastRxMs(), 3);
  EXPECT_TRUE(packets.empty());
  tickAt(13);
  EXPECT_TRUE(packets.empty());
  tickAt(14);
  EXPECT_EQ(packets, std::vector<std::string>{"x"});
}

TEST_F(PacketAssemblerTest, ClosedPortIsNotPolledAndTheBufferIsKept) {
  port.incoming = "abc";
  tickAt(1000);
  in.portOpen = false;
  port.incoming = "def";
  EXPECT_EQ(tickAt(5000), 0);
  EXPECT_EQ(port.incoming, "def");
  EXPECT_EQ(rx.pending(), "abc");
  EXPECT_TRUE(packets.empty());

  // Open again with the line quiet since before the close: the bytes kept
  // are handed over together with what waited in the driver.
  in.portOpen = true;
  port.incoming.clear();
  tickAt(5001);
  EXPECT_EQ(packets, std::vector<std::string>{"abc"});
}

TEST_F(PacketAssemblerTest, TickArrivingDuringTheHandOverIsSkippedAndTheNextPolls) {
  port.incoming = "first";
  tickAt(1000);
  int nestedResults[2] = {-1, -1};
  in.nowMs = 1011;
  rx.RxTimerTick(port, in, [&](bool) {
    packets.emplace_back(rx.pending());
    rx.clear();
    EXPECT_TRUE(rx.RxBusy());
    // A message box opened here runs further ticks inside the hand-over.
    port.incoming = "second";
    nestedResults[0] = rx.RxTimerTick(port, in, [](bool) {});
    EXPECT_FALSE(rx.RxBusy());
    nestedResults[1] = rx.RxTimerTick(port, in, [](bool) {});
  });
  EXPECT_EQ(nestedResults[0], 0);
  EXPECT_EQ(nestedResults[1], 6);
  EXPECT_FALSE(rx.RxBusy());
  EXPECT_EQ(rx.pending(), "second");
}

TEST_F(PacketAssemblerTest, HandOverThatThrowsDoesNotStopThePoll) {
  port.incoming = "abc";
  tickAt(1000);
  in.nowMs = 1011;
  EXPECT_THROW(rx.RxTimerTick(port, in, [](bool) { throw std::runtime_error("disk full"); }),
               std::runtime_error);
  EXPECT_FALSE(rx.RxBusy());
  tickAt(1012);
  EXPECT_EQ(packets, std::vector<std::string>{"abc"});
}

// A driver that reports waiting bytes but whose reads fail.
struct FailingReadPort : FakeSerialPort {
  int read(char*, int) override { return 0; }
};

TEST(PacketAssemblerFailedRead, AddsNoBytesButKeepsThePacketOpen) {
  FailingReadPort port;
  port.existingPaths = {"p"};
  port.open("p");
  port.incoming = "abc";
  PacketAssembler rx;
  int handOvers = 0;
  const PacketAssembler::TickInput in{true, 1000, 10, true};
  EXPECT_EQ(rx.RxTimerTick(port, in, [&](bool) { ++handOvers; }), 0);
  EXPECT_EQ(rx.RxLength(), 0u);
  EXPECT_EQ(rx.RxQueueCount(), 3);
  EXPECT_EQ(rx.LastRxMs(), 1000);
  EXPECT_EQ(handOvers, 0);
}

}  // namespace
