// Opening and closing the process's log.

#include "log/log_lifecycle.h"

#include <cstring>
#include <memory>

#include "log/builtin_events.h"
#include "log/log_strings.h"
#include "log/packages.h"
#include "log/proxy_list.h"
#include "log/torn_record.h"
#include "log/tracebook_error.h"
#include "platform/sysutils.h"

namespace {

TFileStream* gFileStream = nullptr;
TLogStream* gLogStream = nullptr;

// Open modes of a log file. A new one is shared as one appended to: readers may follow its first
// session as it is written, and no other writer gets in.
constexpr uint16_t kModeAppend = fmOpenReadWrite | fmShareDenyWrite;
constexpr uint16_t kModeRead = fmOpenRead | fmShareDenyNone;

void VerifySignature(TFileStream& file) {
  uint8_t signature[sizeof kLogSignature];
  file.SetPosition(0);
  if (file.Read(signature, sizeof signature) != static_cast<int32_t>(sizeof signature) ||
      std::memcmp(signature, kLogSignature, sizeof signature) != 0) {
    throw ETracebookError(log_strings::SNotAnEventLog);
  }
}

std::unique_ptr<TFileStream> OpenLogFile(const std::string& fileName, bool writing) {
  if (!FileExists(fileName)) {
    if (!writing) throw ETracebookError(log_strings::SLogDoesNotExist);
    // A new log appears under its name with its signature in place, so that nobody finds it empty
    // and a failed creation leaves nothing. When another host created it first, its log is opened
    // as an existing one (and refused while that host holds it).
    const std::string_view signature(reinterpret_cast<const char*>(kLogSignature),
                                     sizeof kLogSignature);
    if (auto file = TFileStream::CreateNew(fileName, signature, fmShareDenyWrite)) return file;
  }
  auto file = std::make_unique<TFileStream>(fileName, writing ? kModeAppend : kModeRead);
  VerifySignature(*file);
  if (writing) {
    CutTornLastRecord(*file);
    file->Seek(0, TSeekOrigin::soEnd);
  }
  return file;
}

}  // namespace

std::unique_ptr<TFileStream> OpenLogFileForReading(const std::string& fileName) {
  return OpenLogFile(fileName, false);
}

void CreateLogStream(const std::string& fileName, bool writing) {
  // Closing the open log here would pull it from under the engine, which still counts it started.
  if (gLogStream) throw ETracebookError(log_strings::SLogAlreadyOpen);
  std::unique_ptr<TFileStream> file = OpenLogFile(fileName, writing);
  auto log = std::make_unique<TLogStream>(*file);
  gFileStream = file.release();
  gLogStream = log.release();
  ProxyList().SetLogStream(gLogStream);
}

void CloseLogStream() {
  if (ProxyListExists()) ProxyList().SetLogStream(nullptr);
  delete gLogStream;
  gLogStream = nullptr;
  delete gFileStream;
  gFileStream = nullptr;
}

void OpenLogSession(const std::string& fileName, const std::string& applicationID) {
  CreateLogStream(fileName, true);
  try {
    gLogStream->WriteEvent(std::make_unique<TStartSessionEvent>(applicationID));
  } catch (...) {
    CloseLogStream();
    throw;
  }
}

void CloseLogSession() {
  try {
    if (gLogStream) gLogStream->WriteEvent(std::make_unique<TStopSessionEvent>());
  } catch (...) {
    CloseLogStream();
    throw;
  }
  CloseLogStream();
}

TLogStream* LogStream() { return gLogStream; }

TFileStream* FileStream() { return gFileStream; }

std::string& QVDateTimeFormat() {
  static std::string* format = new std::string;
  return *format;
}

void InitializeRecordModel() {
  static bool initialized = false;
  if (initialized) return;
  initialized = true;
  log_strings::RegisterLogStrings();
  const TFormatSettings& settings = FormatSettings();
  QVDateTimeFormat() = settings.ShortDateFormat + " " + settings.ShortTimeFormat;
}

void FinalizeRecordModel() {
  UnloadPackages();
  CloseLogStream();
  DestroyProxyList();
  QVDateTimeFormat().clear();
  log_strings::UnregisterLogStrings();
}
