// Streams: reading, writing, seeking and sizing in memory and on files, short reads at the end,
// and system failures that must not pass for the end of a file.

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/classes.h"
#include "tests/support/scratch_dir.h"

namespace {

// The same checks for every stream kind: the stream must start empty.
void CheckReadWriteSeek(TStream& stream) {
  stream.WriteBuffer("hello world", 11);
  EXPECT_EQ(stream.Size(), 11);
  EXPECT_EQ(stream.Position(), 11);
  EXPECT_EQ(stream.Seek(-5, TSeekOrigin::soEnd), 6);
  stream.WriteBuffer("WORLD!", 6);
  EXPECT_EQ(stream.Size(), 12);

  stream.SetPosition(0);
  char buffer[32] = {};
  EXPECT_EQ(stream.Read(buffer, sizeof buffer), 12);  // short read: only what is there
  EXPECT_EQ(std::string(buffer, 12), "hello WORLD!");
  EXPECT_EQ(stream.Read(buffer, 4), 0);

  stream.Seek(-3, TSeekOrigin::soCurrent);
  EXPECT_THROW(stream.ReadBuffer(buffer, 4), EReadError);

  stream.SetSize(5);
  EXPECT_EQ(stream.Size(), 5);
  EXPECT_EQ(stream.Position(), 5);  // was past the new end
  stream.SetPosition(8);
  stream.WriteBuffer("x", 1);  // the gap reads as zeros
  stream.SetPosition(4);
  EXPECT_EQ(stream.Read(buffer, 5), 5);
  EXPECT_EQ(std::string(buffer, 5), std::string("o\0\0\0x", 5));
}

}  // namespace

TEST(Streams, MemoryStreamReadsWritesSeeksAndSizes) {
  TMemoryStream stream;
  CheckReadWriteSeek(stream);
  EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}

TEST(Streams, FileStreamReadsWritesSeeksAndSizes) {
  ScratchDir dir;
  TFileStream stream(dir.File("data.bin"), fmCreate);
  CheckReadWriteSeek(stream);
  EXPECT_THROW(stream.Seek(-1, TSeekOrigin::soBeginning), EStreamError);
}

TEST(Streams, FileStreamWritesStraightThroughToTheFile) {
  ScratchDir dir;
  TFileStream stream(dir.File("log.evt"), fmCreate);
  stream.WriteBuffer("abc", 3);
  EXPECT_EQ(ReadTextFile(dir.File("log.evt")), "abc");  // no buffering in between
}

TEST(Streams, CopyFromMovesBytesBetweenStreams) {
  ScratchDir dir;
  TMemoryStream memory;
  std::string bytes(200000, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  memory.WriteBuffer(bytes.data(), static_cast<int32_t>(bytes.size()));
  {
    TFileStream file(dir.File("copy.bin"), fmCreate);
    EXPECT_EQ(file.CopyFrom(memory, 0), 200000);  // 0: the whole source from its start
    memory.SetPosition(10);
    EXPECT_EQ(file.CopyFrom(memory, 5), 5);
    EXPECT_THROW(file.CopyFrom(memory, 1000000), EReadError);
  }
  EXPECT_EQ(ReadTextFile(dir.File("copy.bin")).substr(0, 200005), bytes + bytes.substr(10, 5));

  TMemoryStream loaded;
  loaded.LoadFromFile(dir.File("copy.bin"));
  EXPECT_EQ(loaded.Position(), 0);
  EXPECT_GE(loaded.Size(), 200005);
  loaded.SetSize(3);
  loaded.SaveToFile(dir.File("small.bin"));
  EXPECT_EQ(ReadTextFile(dir.File("small.bin")), bytes.substr(0, 3));
}

TEST(Streams, SystemFailuresRaiseRatherThanLookLikeTheEnd) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  THandleStream writeEnd(fds[1]);
  char byte = 0;
  EXPECT_THROW(writeEnd.Read(&byte, 1), EReadError);
  THandleStream readEnd(fds[0]);
  EXPECT_THROW(readEnd.Write(&byte, 1), EWriteError);
  EXPECT_THROW(readEnd.Seek(0, TSeekOrigin::soBeginning), EStreamError);
  ::close(fds[0]);
  ::close(fds[1]);
}
