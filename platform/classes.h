#pragma once
// The framework's basic classes: the pointer list, string lists with an object per line, and
// streams (abstract, memory and file streams with the framework's open and sharing modes).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sysutils.h"

// ---- TList: an ordered list of untyped pointers -----------------------------------------------

class TList {
 public:
  virtual ~TList() = default;
  int Count() const { return static_cast<int>(FItems.size()); }
  void* Get(int index) const;  // raises EListError out of range
  void Put(int index, void* item);
  int Add(void* item);  // returns the new item's index
  void Insert(int index, void* item);
  void Delete(int index);
  int IndexOf(const void* item) const;  // -1 when absent
  int Remove(const void* item);         // index it had, or -1
  void Clear();

 private:
  std::vector<void*> FItems;
};

// ---- TStrings / TStringList -------------------------------------------------------------------

// A list of 8-bit strings, each with an untyped object pointer. Lookups ignore letter case unless
// CaseSensitive is set. "Name=Value" lines are reached through Names and Values.
class TStrings {
 public:
  virtual ~TStrings() = default;

  virtual int Count() const = 0;
  virtual const std::string& Get(int index) const = 0;  // raises EStringListError out of range
  virtual void Put(int index, const std::string& s) = 0;
  virtual void* GetObject(int index) const = 0;
  virtual void PutObject(int index, void* object) = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual int Add(const std::string& s);
  virtual int IndexOf(std::string_view s) const;

  int AddObject(const std::string& s, void* object);
  void InsertObject(int index, const std::string& s, void* object);
  void AddStrings(const TStrings& other);
  void Assign(const TStrings& other);  // replaces lines and objects
  int IndexOfObject(const void* object) const;
  void Move(int from, int to);
  void Exchange(int a, int b);

  // "Name=Value" access. Names(i) is the part before the first "=" (empty if none).
  std::string Names(int index) const;
  std::string ValueFromIndex(int index) const;
  int IndexOfName(std::string_view name) const;
  std::string Values(std::string_view name) const;  // empty when absent
  // Sets the value of `name`, appending a line when absent; an empty value deletes the line.
  void SetValue(std::string_view name, std::string_view value);

  // Lines joined with "\n" after each; setting splits at "\n" (a "\r" before it is dropped).
  std::string Text() const;
  void SetText(std::string_view text);
  // Comma-separated, a line with spaces, commas or quotes in double quotes.
  std::string CommaText() const;
  void SetCommaText(std::string_view text);

  void LoadFromFile(const std::string& fileName);      // raises EFOpenError
  void SaveToFile(const std::string& fileName) const;  // raises EFCreateError

  bool CaseSensitive() const { return FCaseSensitive; }
  virtual void SetCaseSensitive(bool value) { FCaseSensitive = value; }

  // Changes between BeginUpdate and the matching EndUpdate may be reported once, at the end (a
  // list that tells its owner of changes does so). Setting the text and assigning bracket theirs.
  void BeginUpdate();
  void EndUpdate();

 protected:
  int CompareStrings(std::string_view a, std::string_view b) const;
  bool Updating() const { return FUpdateCount > 0; }
  // Called as the outermost BeginUpdate begins (true) and its EndUpdate ends (false) an update.
  virtual void SetUpdateState(bool) {}

 private:
  bool FCaseSensitive = false;
  int FUpdateCount = 0;
};

enum class TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  TStringList() = default;
  TStringList(const TStringList& other);
  TStringList& operator=(const TStringList& other);

  int Count() const override { return static_cast<int>(FLines.size()); }
  const std::string& Get(int index) const override;
  void Put(int index, const std::string& s) override;  // raises EStringListError when sorted
  void* GetObject(int index) const override;
  void PutObject(int index, void* object) override;
  void Insert(int index, const std::string& s) override;  // raises EStringListError when sorted
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& s) override;  // sorted: at its place, Duplicates applies
  int IndexOf(std::string_view s) const override;

  // Binary search of a sorted list: true when found; `index` is where it is or would go.
  bool Find(std::string_view s, int& index) const;
  void Sort();
  bool Sorted() const { return FSorted; }
  void SetSorted(bool value);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates value) { FDuplicates = value; }
  void SetCaseSensitive(bool value) override;

 private:
  struct TLine {
    std::string Text;
    void* Object = nullptr;
  };
  void CheckIndex(int index) const;
  std::vector<TLine> FLines;
  bool FSorted = false;
  TDuplicates FDuplicates = TDuplicates::dupIgnore;
};

// ---- Streams ----------------------------------------------------------------------------------

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };

class TStream {
 public:
  virtual ~TStream() = default;
  // Read and Write move up to `count` bytes and return how many they moved.
  virtual int32_t Read(void* buffer, int32_t count) = 0;
  virtual int32_t Write(const void* buffer, int32_t count) = 0;
  // Returns the new position.
  virtual int64_t Seek(int64_t offset, TSeekOrigin origin) = 0;
  virtual void SetSize(int64_t newSize);
  virtual int64_t Size();

  int64_t Position() { return Seek(0, TSeekOrigin::soCurrent); }
  void SetPosition(int64_t position) { Seek(position, TSeekOrigin::soBeginning); }
  // All or nothing: raise EReadError / EWriteError when fewer bytes move.
  void ReadBuffer(void* buffer, int32_t count);
  void WriteBuffer(const void* buffer, int32_t count);
  // Copies `count` bytes from `source` (all of it from its start when count is 0).
  int64_t CopyFrom(TStream& source, int64_t count);
};

// A growable stream in memory.
class TMemoryStream : public TStream {
 public:
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  int64_t Size() override { return static_cast<int64_t>(FData.size()); }

  const std::vector<uint8_t>& Bytes() const { return FData; }
  void Clear();
  void LoadFromFile(const std::string& fileName);
  void SaveToFile(const std::string& fileName) const;

 private:
  std::vector<uint8_t> FData;
  int64_t FPosition = 0;
};

// Open modes of file streams: an access mode or'ed with a sharing mode, or fmCreate.
constexpr uint16_t fmCreate = 0xFFFF;  // create or empty, read and write, no sharing
constexpr uint16_t fmOpenRead = 0x0000;
constexpr uint16_t fmOpenWrite = 0x0001;
constexpr uint16_t fmOpenReadWrite = 0x0002;
constexpr uint16_t fmShareCompat = 0x0000;  // as exclusive
constexpr uint16_t fmShareExclusive = 0x0010;
constexpr uint16_t fmShareDenyWrite = 0x0020;
constexpr uint16_t fmShareDenyRead = 0x0030;
constexpr uint16_t fmShareDenyNone = 0x0040;

// A stream over an operating-system file handle; every call goes straight to the system.
class THandleStream : public TStream {
 public:
  explicit THandleStream(int handle) : FHandle(handle) {}
  int32_t Read(void* buffer, int32_t count) override;
  int32_t Write(const void* buffer, int32_t count) override;
  int64_t Seek(int64_t offset, TSeekOrigin origin) override;
  void SetSize(int64_t newSize) override;
  int64_t Size() override;
  int Handle() const { return FHandle; }

 protected:
  int FHandle;
};

// A file opened by name with the framework's modes. Sharing is enforced between all openers, in
// this process and others, with open-file-description locks: an open that conflicts with the
// access or sharing of an open already in place fails as on Windows, raising EFOpenError (or
// EFCreateError for fmCreate) with the reason.
class TFileStream : public THandleStream {
 public:
  TFileStream(const std::string& fileName, uint16_t mode);
  ~TFileStream() override;
  // Creates `fileName` holding `contents`, open for reading and writing and shared as `share` says
  // (fmShareExclusive, as fmCreate, or fmShareDenyWrite to let others read it), positioned after
  // the contents. The file appears under its name complete, so that nobody ever finds it empty,
  // and a failure leaves no file behind. Returns nullptr when a file of that name exists (it is
  // left alone); raises EFCreateError for any other failure.
  static std::unique_ptr<TFileStream> CreateNew(const std::string& fileName,
                                                std::string_view contents,
                                                uint16_t share = fmShareExclusive);
  TFileStream(const TFileStream&) = delete;
  TFileStream& operator=(const TFileStream&) = delete;
  const std::string& FileName() const { return FFileName; }

 private:
  TFileStream(int handle, std::string fileName);  // takes over an open descriptor

  std::string FFileName;
};

// Whether some open of the file, in this process or another, has write access to it. Asking takes
// no share of the file, so it never stands in the way of another open.
bool FileOpenedForWriting(const std::string& fileName);
