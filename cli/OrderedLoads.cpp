#include "OrderedLoads.h"

#include "PhotoLoader.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace {

// Files a thread takes from the list at a time: enough to make the hand-over
// rare, few enough that the first lines come out at once.
constexpr std::size_t kChunkSize = 64;

// How many chunks each thread may fill beyond the one being handed on.
constexpr std::size_t kChunksAheadPerJob = 4;

// The list cut into chunks: threads take the next chunk to load, the reader
// collects them in order. A thread waits while it is too far ahead; Stop
// releases every waiting thread, for when the reader gives up early.
class ChunkQueue {
 public:
  ChunkQueue(std::size_t chunkCount, std::size_t window)
      : chunks_(chunkCount), window_(window) {}

  // The next chunk to load, once it is within the window; nothing when every
  // chunk is taken or the queue is stopped.
  std::optional<std::size_t> Take() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [&] {
      return stopped_ || next_ == chunks_.size() || next_ < collected_ + window_;
    });
    if (stopped_ || next_ == chunks_.size()) return std::nullopt;
    return next_++;
  }

  void Finish(std::size_t chunk, std::vector<FileOutcome> outcomes) {
    {
      std::lock_guard lock(mutex_);
      chunks_[chunk].outcomes = std::move(outcomes);
      chunks_[chunk].done = true;
    }
    changed_.notify_all();
  }

  // Waits for the chunk, hands over its outcomes and lets the threads run one
  // chunk further.
  std::vector<FileOutcome> Collect(std::size_t chunk) {
    std::vector<FileOutcome> outcomes;
    {
      std::unique_lock lock(mutex_);
      changed_.wait(lock, [&] { return chunks_[chunk].done; });
      outcomes = std::move(chunks_[chunk].outcomes);
      collected_ = chunk + 1;
    }
    changed_.notify_all();
    return outcomes;
  }

  void Stop() {
    {
      std::lock_guard lock(mutex_);
      stopped_ = true;
    }
    changed_.notify_all();
  }

 private:
  struct Chunk {
    std::vector<FileOutcome> outcomes;
    bool done = false;
  };

  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Chunk> chunks_;
  std::size_t window_;
  std::size_t next_ = 0;
  std::size_t collected_ = 0;
  bool stopped_ = false;
};

// One loading thread: its own loader, so its own document, capture and
// message catcher.
void LoadChunks(ChunkQueue& queue, const std::vector<std::string>& paths) {
  PhotoLoader loader;
  while (const std::optional<std::size_t> chunk = queue.Take()) {
    const std::size_t first = *chunk * kChunkSize;
    const std::size_t end = std::min(first + kChunkSize, paths.size());
    std::vector<FileOutcome> outcomes;
    outcomes.reserve(end - first);
    for (std::size_t k = first; k < end; ++k) outcomes.push_back(loader.Load(paths[k]));
    queue.Finish(*chunk, std::move(outcomes));
  }
}

// Stops the queue when the reader leaves, even by an exception, so that no
// thread is left waiting for room when it is joined.
class StopOnExit {
 public:
  explicit StopOnExit(ChunkQueue& queue) : queue_(queue) {}
  ~StopOnExit() { queue_.Stop(); }
  StopOnExit(const StopOnExit&) = delete;
  StopOnExit& operator=(const StopOnExit&) = delete;

 private:
  ChunkQueue& queue_;
};

// The whole list on the calling thread, with one loader.
void LoadOnThisThread(const std::vector<std::string>& paths, const OutcomeSink& sink) {
  PhotoLoader loader;
  for (std::size_t k = 0; k < paths.size(); ++k) sink(k, loader.Load(paths[k]));
}

}  // namespace

void LoadInOrder(const std::vector<std::string>& paths, unsigned jobs, const OutcomeSink& sink) {
  const std::size_t chunkCount = (paths.size() + kChunkSize - 1) / kChunkSize;
  if (jobs <= 1 || chunkCount < 2) return LoadOnThisThread(paths, sink);
  const std::size_t threadCount = std::min<std::size_t>(jobs, chunkCount);
  ChunkQueue queue(chunkCount, threadCount * kChunksAheadPerJob);
  std::vector<std::jthread> threads;  // joined last, after the queue is stopped
  const StopOnExit stopOnExit(queue);
  // A system that refuses more threads gets the batch on those it gave.
  try {
    for (std::size_t t = 0; t < threadCount; ++t)
      threads.emplace_back(LoadChunks, std::ref(queue), std::cref(paths));
  } catch (const std::system_error&) {
    if (threads.empty()) return LoadOnThisThread(paths, sink);
  }
  for (std::size_t chunk = 0; chunk < chunkCount; ++chunk) {
    const std::vector<FileOutcome> outcomes = queue.Collect(chunk);
    for (std::size_t k = 0; k < outcomes.size(); ++k) sink(chunk * kChunkSize + k, outcomes[k]);
  }
}
