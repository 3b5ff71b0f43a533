#include "sending/HistoryFile.h"

namespace HistoryFile {

FileResult loadOrCreate(CommandHistory& history, const std::string& path) {
  if (!DataFile::exists(path)) return DataFile::writeAtomically(path, history.toRecords());

  std::string image;
  FileResult result = DataFile::readExact(path, CommandHistory::kFileSize, image);
  // A damaged file must not wipe what is in memory.
  if (result.ok) history.fromRecords(image);
  return result;
}

FileResult saveIfExists(const CommandHistory& history, const std::string& path) {
  if (!DataFile::exists(path)) return {};
  return DataFile::writeAtomically(path, history.toRecords());
}

}  // namespace HistoryFile
