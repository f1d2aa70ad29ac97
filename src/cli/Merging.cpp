#include "cli/Merging.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <queue>
#include <string>
#include <string_view>
#include <utility>

#include "compare/SortedResult.h"

namespace quorvex::cli {

bool ByIndex(const Record& a, const Record& b) { return a.index < b.index; }
bool ByText(const Record& a, const Record& b) { return ByKeyThenBytes(a.item, b.item); }

void MergeGroup(std::vector<Stream> group, RecordOrder less, ChunkPool& pool,
                const std::function<void(const Record&)>& take) {
    std::vector<std::unique_ptr<RecordReader>> readers;
    std::vector<Record> current(group.size());
    const auto later = [&](std::size_t a, std::size_t b) { return less(current[b], current[a]); };
    std::priority_queue<std::size_t, std::vector<std::size_t>, decltype(later)> heap(later);
    for (std::size_t i = 0; i < group.size(); ++i) {
        readers.push_back(std::make_unique<RecordReader>(pool.Store(), std::move(group[i])));
        if (readers[i]->Next(current[i])) heap.push(i);
    }
    while (!heap.empty()) {
        const std::size_t top = heap.top();
        heap.pop();
        take(current[top]);
        if (readers[top]->Next(current[top])) heap.push(top);
    }
    for (auto& reader : readers) reader->Release(pool);
}

std::vector<Stream> Fewer(std::vector<Stream> streams, RecordOrder less, std::size_t fanIn, ChunkPool& pool) {
    const bool byIndex = less == ByIndex;
    fanIn = std::max<std::size_t>(fanIn, 2);  // fewer by one stream at least each time
    std::deque<Stream> waiting(std::make_move_iterator(streams.begin()), std::make_move_iterator(streams.end()));
    while (waiting.size() > fanIn) {
        std::vector<Stream> group;
        for (std::size_t i = 0; i < fanIn; ++i) {
            group.push_back(std::move(waiting.front()));
            waiting.pop_front();
        }
        RecordWriter merged(pool);
        std::uint64_t count = 0;
        MergeGroup(std::move(group), less, pool,
                   [&](const Record& record) { merged.Put(byIndex ? record.index : count++, record.item); });
        waiting.push_back(merged.Close());
    }
    return std::vector<Stream>(std::make_move_iterator(waiting.begin()), std::make_move_iterator(waiting.end()));
}

std::vector<Stream> SortedRuns(std::vector<Stream>& streams, std::uint64_t memory, ChunkPool& pool) {
    std::vector<Stream> runs;
    std::string items;
    std::vector<std::pair<std::size_t, std::size_t>> spans;
    const auto writeRun = [&] {
        if (spans.empty()) return;
        std::vector<std::string_view> views;
        views.reserve(spans.size());
        for (const auto& [start, length] : spans) views.emplace_back(items.data() + start, length);
        const std::vector<char> marks(views.size(), 1);
        RecordWriter run(pool);
        std::uint64_t index = 0;
        for (const auto item : SortedKept(views, marks, 1, true)) run.Put(index++, item);
        runs.push_back(run.Close());
        items.clear();
        spans.clear();
    };
    Record record;
    for (Stream& stream : streams) {
        RecordReader reader(pool.Store(), std::move(stream));
        while (reader.Next(record)) {
            // The sort takes a key as long as each item and about 120 bytes
            // more for each: its place here, its view, its mark and its
            // entries in the sort's two arrays.
            if (!spans.empty() && (items.size() + record.item.size()) * 2 + 120 * spans.size() > memory) writeRun();
            spans.emplace_back(items.size(), record.item.size());
            items.append(record.item);
        }
        reader.Release(pool);
    }
    writeRun();
    return runs;
}
// A window takes about `memory`, its places and the items in them.
void MergeByIndex(std::vector<Stream> streams, std::uint64_t indexes, std::uint64_t records, std::uint64_t memory,
                  ChunkPool& pool, const std::function<void(const Record&)>& emit) {
    std::uint64_t bytes = 0;
    for (const Stream& stream : streams) bytes += stream.size;
    std::vector<std::unique_ptr<RecordReader>> readers;
    std::vector<Record> current(streams.size());
    std::vector<char> more(streams.size());
    for (std::size_t i = 0; i < streams.size(); ++i) {
        readers.push_back(std::make_unique<RecordReader>(pool.Store(), std::move(streams[i])));
        more[i] = readers[i]->Next(current[i]);
    }
    const std::uint64_t perIndex = 16 + (records ? bytes / std::max<std::uint64_t>(records, 1) : 0);
    const std::size_t window = static_cast<std::size_t>(std::clamp<std::uint64_t>(memory / perIndex, 1 << 10, 1 << 24));
    std::vector<std::pair<std::size_t, std::size_t>> places(window);  // into `items`; length 0 for none
    std::string items;
    for (std::uint64_t start = 0; start < indexes; start += window) {
        // Windows that hold no record are passed over: few items kept of
        // many cost little.
        std::uint64_t next = UINT64_MAX;
        for (std::size_t i = 0; i < readers.size(); ++i)
            if (more[i]) next = std::min(next, current[i].index);
        if (next == UINT64_MAX) break;
        start = std::max(start, next / window * window);
        const std::uint64_t end = start + window;
        std::fill(places.begin(), places.end(), std::pair<std::size_t, std::size_t>(0, 0));
        items.clear();
        for (std::size_t i = 0; i < readers.size(); ++i)
            for (; more[i] && current[i].index < end; more[i] = readers[i]->Next(current[i])) {
                places[static_cast<std::size_t>(current[i].index - start)] = {items.size(), current[i].item.size()};
                items.append(current[i].item);
            }
        for (std::size_t place = 0; place < window; ++place) {
            const auto [at, length] = places[place];
            if (length > 0) emit(Record{start + place, std::string_view(items).substr(at, length)});
        }
    }
    for (auto& reader : readers) reader->Release(pool);
}

}  // namespace quorvex::cli
