// Runs one piece of work per volume on a few threads and hands the results back on the
// calling thread in volume order, so that rows, hits and progress come out exactly as
// from a sequential run while the next volumes decompress and scan.
#pragma once

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lomarin {

// Worker threads, one per core; and how many volumes they may run ahead of the caller,
// which bounds the texts and results held at once.
inline size_t VolumeWorkers() { return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8); }
inline size_t VolumesInFlight() { return 2 * VolumeWorkers(); }

// work(volume) runs on worker threads and must not touch the caller's state; consume(
// volume, result) runs on the calling thread in the order of `volumes` and returns false
// to stop (work already started is waited for). An exception thrown by work reaches the
// caller when that volume's turn comes.
template <class Work, class Consume>
void ForEachVolumeInOrder(const std::vector<int>& volumes, Work work, Consume consume) {
  using Result = decltype(work(0));
  struct Slot {
    std::optional<Result> result;
    std::exception_ptr error;
  };
  const size_t count = volumes.size();
  std::vector<Slot> slots(count);
  std::mutex mutex;
  std::condition_variable changed;
  size_t next = 0;      // the next volume a worker takes
  size_t consumed = 0;  // volumes the caller has taken back
  bool stop = false;
  const auto worker = [&] {
    std::unique_lock lock(mutex);
    for (;;) {
      changed.wait(lock, [&] { return stop || next >= count || next < consumed + VolumesInFlight(); });
      if (stop || next >= count) return;
      const size_t i = next++;
      lock.unlock();
      Slot done;
      try {
        done.result.emplace(work(volumes[i]));
      } catch (...) {
        done.error = std::current_exception();
      }
      lock.lock();
      slots[i] = std::move(done);
      changed.notify_all();
    }
  };
  std::vector<std::thread> threads;
  const auto finish = [&] {
    {
      const std::lock_guard lock(mutex);
      stop = true;
    }
    changed.notify_all();
    for (std::thread& thread : threads) thread.join();
  };
  for (size_t t = 0; t < std::min(VolumeWorkers(), count); ++t) threads.emplace_back(worker);
  for (size_t i = 0; i < count; ++i) {
    Slot slot;
    {
      std::unique_lock lock(mutex);
      changed.wait(lock, [&] { return slots[i].result || slots[i].error; });
      slot = std::move(slots[i]);
      consumed = i + 1;
    }
    changed.notify_all();
    bool goOn = false;
    try {
      if (slot.error) std::rethrow_exception(slot.error);
      goOn = consume(volumes[i], std::move(*slot.result));
    } catch (...) {
      finish();
      throw;
    }
    if (!goOn) break;
  }
  finish();
}

}  // namespace lomarin
