#pragma once
// LogEntry: the text of log entries, shared by the send echo and received
// packets, and the filter test.
//
// A received packet renders as text in ASCII mode (CR becomes CR LF, LF is
// dropped, 00 becomes "<NULL>", other bytes stay) or as two hex digits per
// byte separated by spaces in HEX mode. With time stamps on, a sent entry starts " [ hh:mm:ss:zzz > ] "
// and a received one " [ hh:mm:ss:zzz < ] " (20 characters). The final
// character of a received entry is removed only when it is a line-break
// character: a packet cut in the middle of a line keeps all its data.

#include <optional>
#include <string>
#include <string_view>

#include "platform/Clock.h"
#include "transmit/OutputMode.h"

// "hh:mm:ss:zzz"
std::string formatLogTime(const LocalTime& t);

// " [ " + time + " > ] " + echo, or the echo alone without a time.
std::string sentEntry(std::string_view echo, const std::optional<LocalTime>& time);

// The body of a received packet; empty when nothing is to be logged (an
// ASCII packet made only of LF bytes).
std::string renderPacket(std::string_view bytes, OutputMode mode);

// The entry for a non-empty body: stamp, then a final line-break character
// removed.
std::string receivedEntry(std::string_view body, const std::optional<LocalTime>& time);

// The filter passes when it is empty or occurs in the entry exactly.
bool passesFilter(std::string_view entry, std::string_view filter);

// How an entry reads in the log window (the log file gets the entry as is):
// CR LF, a lone CR and a lone LF each start a new line, line breaks at the
// end of the entry are not shown as an empty line, 00 shows as "<NULL>", and
// other control characters show as their hex code in angle brackets ("<1B>").
// Lines are separated by '\n'.
std::string displayText(std::string_view entry);
