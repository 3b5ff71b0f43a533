#pragma once
// HistoryFile: loading and saving "OldCmd" in the working directory.
// Start-up: load the file if it exists, otherwise create it (50 empty
// records). Shut-down: rewrite it only if it still exists (a file deleted
// while the program ran is not recreated). Saves are atomic: a temporary file
// in the same folder renamed over the old one.

#include <string>

#include "app/DataFile.h"
#include "sending/CommandHistory.h"

namespace HistoryFile {
inline constexpr const char* kFileName = "OldCmd";

// Loads or creates. A file shorter than 12800 bytes, or unreadable, is an
// error (the history is left as it was).
FileResult loadOrCreate(CommandHistory& history, const std::string& path = kFileName);
// Rewrites the file when it exists; does nothing otherwise.
FileResult saveIfExists(const CommandHistory& history, const std::string& path = kFileName);
}  // namespace HistoryFile
