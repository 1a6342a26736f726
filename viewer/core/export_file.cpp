// The file and stream ends of an export: whole writes, every one checked, the system's reason
// in the message of a failure.

#include "viewer/core/export_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "platform/file_write.h"
#include "platform/sysutils.h"

namespace {

std::string Reason(int error) { return std::generic_category().message(error); }

[[noreturn]] void RaiseFileError(const char* action, const std::string& fileName, int error) {
  throw EInOutError(std::string(action) + " \"" + fileName + "\". " + Reason(error), error);
}

// The stream's failure: the system's reason when it left one, else the stream's own.
[[noreturn]] void RaiseStreamError(const std::string& what, int error) {
  throw EInOutError(what + ". " + (error != 0 ? Reason(error) : "Stream write error"), error);
}

}  // namespace

TExportFile::TExportFile(const std::string& fileName) : FName(fileName) {
  FHandle = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (FHandle < 0) RaiseFileError("Cannot create file", FName, errno);
}

TExportFile::~TExportFile() {
  if (FHandle >= 0) ::close(FHandle);
}

void TExportFile::Write(std::string_view bytes) {
  if (const int error = WriteAll(FHandle, bytes)) RaiseFileError("Cannot write file", FName, error);
}

void TExportFile::Close() {
  const int handle = FHandle;
  FHandle = -1;
  if (::close(handle) != 0) RaiseFileError("Cannot write file", FName, errno);
}

void WriteToStream(std::ostream& out, std::string_view bytes, const std::string& what) {
  errno = 0;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) RaiseStreamError(what, errno);
}

void CheckStream(std::ostream& out, const std::string& what) {
  if (!out) RaiseStreamError(what, 0);
}

void FlushStream(std::ostream& out, const std::string& what) {
  errno = 0;
  if (!out.flush()) RaiseStreamError(what, errno);
}
