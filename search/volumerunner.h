// Runs one piece of work per volume on a few threads and hands the results back on the
// calling thread in volume order, so that rows, hits and progress come out exactly as
// from a sequential run while the next volumes decompress and scan.
#pragma once

#include <algorithm>
#include <deque>
#include <future>
#include <thread>
#include <vector>

namespace lomarin {

inline size_t VolumesInFlight() {
  return std::clamp<size_t>(std::thread::hardware_concurrency(), 2, 8);
}

// work(volume) runs on worker threads and must not touch the caller's state; consume(
// volume, result) runs on the calling thread in the order of `volumes` and returns false
// to stop (work already started is waited for). An exception thrown by work reaches the
// caller when that volume's turn comes.
template <class Work, class Consume>
void ForEachVolumeInOrder(const std::vector<int>& volumes, Work work, Consume consume) {
  using Result = decltype(work(0));
  std::deque<std::future<Result>> pending;
  size_t next = 0;
  const auto launch = [&] {
    while (next < volumes.size() && pending.size() < VolumesInFlight()) {
      pending.push_back(std::async(std::launch::async, work, volumes[next++]));
    }
  };
  launch();
  for (const int volume : volumes) {
    Result result = pending.front().get();
    pending.pop_front();
    launch();
    if (!consume(volume, std::move(result))) return;
  }
}

}  // namespace lomarin
