#pragma once
// Where an export goes: a file created or overwritten, or a stream, with every write checked so
// that a full disk is reported instead of leaving a short file that looks complete. A failure
// raises EInOutError with the runtime's message; what was written stays.

#include <ostream>
#include <string>
#include <string_view>

// A file being exported to; it is closed by Close, or by the destructor when an export ends by an
// error.
class TExportFile {
 public:
  // Creates or truncates the file; raises EInOutError when it cannot be created.
  explicit TExportFile(const std::string& fileName);
  ~TExportFile();
  TExportFile(const TExportFile&) = delete;
  TExportFile& operator=(const TExportFile&) = delete;

  void Write(std::string_view bytes);
  // Some file systems report a failed write only when the file is closed.
  void Close();

 private:
  std::string FName;
  int FHandle = -1;
};

// Writes the bytes to the stream; a failure raises EInOutError("`what`. reason").
void WriteToStream(std::ostream& out, std::string_view bytes, const std::string& what);
// Checks the stream before an export begins and flushes it at the end, failing as above.
void CheckStream(std::ostream& out, const std::string& what);
void FlushStream(std::ostream& out, const std::string& what);
