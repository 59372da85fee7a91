// Peak heap of reading the generated 3 MB page (400 image maps with 50 areas each) and writing
// its JSON in-process, against the page's size. Every allocation of the binary goes through the
// counting operators below.
//   build/bench/heap_bench
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

#include "DesignJsonRun.h"

namespace {

std::atomic<size_t> gInUse{0};
std::atomic<size_t> gPeak{0};

void* Counted(void* block) {
    if (block == nullptr) {
        throw std::bad_alloc();
    }
    const size_t now = gInUse += malloc_usable_size(block);
    size_t peak = gPeak.load();
    while (now > peak && !gPeak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void Released(void* block) {
    gInUse -= malloc_usable_size(block);
    std::free(block);
}

}  // namespace

void* operator new(size_t size) {
    return Counted(std::malloc(std::max<size_t>(size, 1)));
}
void* operator new[](size_t size) {
    return Counted(std::malloc(std::max<size_t>(size, 1)));
}
void operator delete(void* block) noexcept {
    Released(block);
}
void operator delete[](void* block) noexcept {
    Released(block);
}
void operator delete(void* block, size_t) noexcept {
    Released(block);
}
void operator delete[](void* block, size_t) noexcept {
    Released(block);
}

int main() {
    const std::string document = htmlsim::bench::GeneratedDocument(400, 50);
    htmlsim::bench::DesignJsonRun run(document);
    const size_t before = gInUse.load();
    gPeak = before;
    const size_t written = run.Run();
    const double growth = static_cast<double>(gPeak.load() - before);
    std::printf("page %.2f MB, JSON %.2f MB, peak heap of reading and writing %.2f MB: %.2fx\n",
                static_cast<double>(document.size()) / 1e6, static_cast<double>(written) / 1e6,
                growth / 1e6, growth / static_cast<double>(document.size()));
    // The figure means nothing unless the whole page was read.
    return run.Design().ImageCount() == 400 && run.Design().Areas.Count() == 400 * 50 ? 0 : 1;
}
