// log_pool_stats LOG: how a log's string pool behaved, for the long-session benchmark. Prints the
// records and sessions read, the largest the pool grew, and how often it was reset; a pool that
// kept growing would make its indexes run out.

#include <cstdio>
#include <exception>

#include "log/builtin_events.h"
#include "log/log_stream.h"
#include "platform/classes.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: log_pool_stats LOG\n");
    return 2;
  }
  try {
    TFileStream file(argv[1], fmOpenRead | fmShareDenyNone);
    file.SetPosition(sizeof kLogSignature);
    TLogStream log(file);
    long records = 0;
    long sessions = 0;
    int largestPool = 0;
    int resets = 0;
    int previousPool = 0;
    while (auto record = log.ReadEvent()) {
      ++records;
      if (dynamic_cast<const TStartSessionEvent*>(record.get())) ++sessions;
      const int pool = log.PoolCount();
      if (pool < previousPool) ++resets;
      if (pool > largestPool) largestPool = pool;
      previousPool = pool;
    }
    std::printf("records %ld, sessions %ld, largest pool %d entries, pool resets %d\n", records,
                sessions, largestPool, resets);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "log_pool_stats: %s: %s\n", argv[1], e.what());
    return 1;
  }
}
