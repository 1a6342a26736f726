// File streams share files as the framework's modes say, between two opens in this process and
// between processes; a refused open reports why and leaves the file as it was.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "platform/classes.h"
#include "tests/support/scratch_dir.h"

namespace {

constexpr uint16_t kAppend = fmOpenReadWrite | fmShareDenyWrite;  // 0x0022
constexpr uint16_t kView = fmOpenRead | fmShareDenyNone;          // 0x0040

bool CanOpen(const std::string& fileName, uint16_t mode) {
  try {
    TFileStream stream(fileName, mode);
    return true;
  } catch (const EStreamError&) {
    return false;
  }
}

struct SharingCase {
  uint16_t Held;
  uint16_t Wanted;
  bool Allowed;
};

class FileSharing : public ::testing::TestWithParam<SharingCase> {};

}  // namespace

TEST_P(FileSharing, SecondOpenInTheSameProcess) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  WriteTextFile(name, "content");
  const SharingCase c = GetParam();
  TFileStream held(name, c.Held);
  EXPECT_EQ(CanOpen(name, c.Wanted), c.Allowed)
      << std::hex << "held 0x" << c.Held << ", wanted 0x" << c.Wanted;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, FileSharing,
    ::testing::Values(SharingCase{kAppend, kView, true},  // a viewer reads a log being written
                      SharingCase{kView, kAppend, true},  // and a writer may join a reader
                      SharingCase{kAppend, kAppend, false}, SharingCase{kView, kView, true},
                      SharingCase{kAppend, fmOpenRead | fmShareDenyWrite, false},
                      SharingCase{kView, fmOpenRead | fmShareDenyWrite, true},
                      SharingCase{fmOpenWrite | fmShareDenyNone, kView, true},
                      SharingCase{fmOpenWrite | fmShareDenyNone, kAppend, false},
                      SharingCase{fmOpenRead | fmShareExclusive, kView, false},
                      SharingCase{fmOpenRead | fmShareCompat, kView, false},
                      SharingCase{fmOpenRead | fmShareDenyRead, fmOpenWrite | fmShareDenyNone,
                                  true},
                      SharingCase{fmOpenRead | fmShareDenyRead, kView, false},
                      SharingCase{fmCreate, kView, false}, SharingCase{fmCreate, kAppend, false},
                      SharingCase{fmCreate, fmOpenWrite | fmShareDenyNone, false},
                      SharingCase{fmCreate, fmCreate, false}, SharingCase{kView, fmCreate, false}),
    [](const ::testing::TestParamInfo<SharingCase>& info) {
      return "Held" + IntToHex(info.param.Held, 4) + "Wanted" + IntToHex(info.param.Wanted, 4);
    });

TEST(FileStreamSharing, RefusedCreateLeavesTheFileIntact) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  WriteTextFile(name, "precious bytes");
  TFileStream reader(name, kView);
  try {
    TFileStream creator(name, fmCreate);
    FAIL() << "fmCreate succeeded on a file open elsewhere";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + name +
                  "\". The process cannot access the file because it is being used by another "
                  "process.");
  }
  EXPECT_EQ(ReadTextFile(name), "precious bytes");
}

TEST(FileStreamSharing, ClosingReleasesTheFile) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  auto creator = std::make_unique<TFileStream>(name, fmCreate);
  creator->WriteBuffer("new", 3);
  EXPECT_FALSE(CanOpen(name, kView));
  creator.reset();
  TFileStream exclusive(name, fmOpenReadWrite | fmShareExclusive);
  EXPECT_EQ(exclusive.Size(), 3);  // an existing file is not emptied by opening it
}

TEST(FileStreamSharing, FailuresNameTheFileAndTheReason) {
  ScratchDir dir;
  const std::string missing = dir.File("missing.evt");
  try {
    TFileStream stream(missing, kView);
    FAIL() << "opened a missing file";
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + missing + "\". No such file or directory");
  }
  EXPECT_FALSE(FileExists(missing));
  EXPECT_THROW(TFileStream(dir.Path().string(), kView), EFOpenError);
  EXPECT_THROW(TFileStream(dir.File("no/folder.evt"), fmCreate), EFCreateError);
  WriteTextFile(missing, "x");
  EXPECT_THROW(TFileStream(missing, 0x0003), EFOpenError);  // no such access mode
  EXPECT_THROW(TFileStream(missing, 0x0050), EFOpenError);  // no such sharing mode
}

TEST(FileStreamSharing, OpensOfAnotherProcessConflictToo) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  WriteTextFile(name, "content");
  int ready[2], release[2];
  ASSERT_EQ(::pipe(ready), 0);
  ASSERT_EQ(::pipe(release), 0);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // The child holds the log for appending until the parent lets it go.
    {
      TFileStream held(name, kAppend);
      char byte = 1;
      if (::write(ready[1], &byte, 1) != 1 || ::read(release[0], &byte, 1) != 1) ::_exit(2);
    }
    ::_exit(0);
  }
  char byte = 0;
  ASSERT_EQ(::read(ready[0], &byte, 1), 1);
  EXPECT_FALSE(CanOpen(name, kAppend));
  EXPECT_FALSE(CanOpen(name, fmCreate));
  EXPECT_TRUE(CanOpen(name, kView));
  ASSERT_EQ(::write(release[1], &byte, 1), 1);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_TRUE(CanOpen(name, kAppend));
  EXPECT_EQ(ReadTextFile(name), "content");
  for (int fd : {ready[0], ready[1], release[0], release[1]}) ::close(fd);
}

TEST(FileStreamSharing, AnotherProcessCannotOpenANewLog) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  TFileStream creator(name, fmCreate);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) ::_exit(CanOpen(name, kView) ? 1 : 0);
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the child could read a log still being created";
}

TEST(FileStreamSharing, ANewFileAppearsWholeAndOnlyOnce) {
  ScratchDir dir;
  const std::string name = dir.File("log.evt");
  {
    std::unique_ptr<TFileStream> created = TFileStream::CreateNew(name, "signature");
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(created->Position(), 9);
    EXPECT_EQ(ReadTextFile(name), "signature");
    EXPECT_FALSE(CanOpen(name, kView));  // shared with nobody while it is open
    EXPECT_EQ(TFileStream::CreateNew(name, "other"), nullptr);
  }
  EXPECT_EQ(ReadTextFile(name), "signature");
  EXPECT_TRUE(CanOpen(name, kAppend));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
  {
    // Created to be read while it is written, as a new log is.
    const std::string shared = dir.File("shared.evt");
    const auto created = TFileStream::CreateNew(shared, "signature", fmShareDenyWrite);
    ASSERT_NE(created, nullptr);
    EXPECT_TRUE(CanOpen(shared, kView));
    EXPECT_FALSE(CanOpen(shared, kAppend));
  }

  try {
    TFileStream::CreateNew(dir.File("no/folder.evt"), "x");
    FAIL() << "created a file in a missing folder";
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()), "Cannot create file \"" + dir.File("no/folder.evt") +
                                         "\". No such file or directory");
  }
}
