#include "platform/MappedFileGuard.h"

#if !defined(_WIN32)

#include <array>
#include <atomic>
#include <csignal>
#include <mutex>

#include <sys/mman.h>
#include <unistd.h>

namespace kp {

namespace {

// The handler may only touch lock-free atomics, so the guarded mappings live
// in a fixed table rather than a container.
struct Slot {
    std::atomic<std::uintptr_t> begin { 0 };
    std::atomic<std::uintptr_t> end { 0 }; // page-rounded
    std::atomic<std::uint64_t> failure { MappedFileGuard::kNoFailure };
    std::atomic<bool> taken { false };
};

constexpr int kSlots = 256;
std::array<Slot, kSlots> g_slots;
std::uintptr_t g_pageSize = 4096;
struct sigaction g_previous { };
std::once_flag g_installed;

void RecordFailure(Slot& slot, std::uint64_t offset)
{
    std::uint64_t seen = slot.failure.load();
    while (offset < seen && !slot.failure.compare_exchange_weak(seen, offset)) { }
}

// Zero pages over [page, end): every later read of them succeeds.
bool ReplaceWithZeros(std::uintptr_t page, std::uintptr_t end)
{
    void* p
        = ::mmap(reinterpret_cast<void*>(page), end - page, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED, -1, 0);
    return p != MAP_FAILED;
}

void PassOn(int signal, siginfo_t* info, void* context)
{
    if ((g_previous.sa_flags & SA_SIGINFO) != 0 && g_previous.sa_sigaction != nullptr) {
        g_previous.sa_sigaction(signal, info, context);
        return;
    }
    if (g_previous.sa_handler != SIG_DFL && g_previous.sa_handler != SIG_IGN) {
        g_previous.sa_handler(signal);
        return;
    }
    // The faulting read runs again on return and now ends the process as it
    // would have without this handler; a signal sent by another process is
    // raised again.
    ::signal(SIGBUS, SIG_DFL);
    if (info->si_code <= 0)
        ::raise(SIGBUS);
}

void OnBusError(int signal, siginfo_t* info, void* context)
{
    const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
    for (Slot& slot : g_slots) {
        const std::uintptr_t begin = slot.begin.load(std::memory_order_acquire);
        if (begin == 0 || address < begin || address >= slot.end.load(std::memory_order_acquire))
            continue;
        const std::uintptr_t page = address & ~(g_pageSize - 1);
        if (ReplaceWithZeros(page, slot.end.load())) {
            RecordFailure(slot, page - begin);
            return;
        }
        break;
    }
    PassOn(signal, info, context);
}

void Install()
{
    g_pageSize = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
    struct sigaction action { };
    action.sa_sigaction = OnBusError;
    action.sa_flags = SA_SIGINFO | SA_NODEFER;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGBUS, &action, &g_previous);
}

} // namespace

bool MappedFileGuard::watch(const std::uint8_t* data, std::size_t size)
{
    release();
    std::call_once(g_installed, Install);
    if (data == nullptr || size == 0)
        return false;
    for (int i = 0; i < kSlots; ++i) {
        Slot& slot = g_slots[static_cast<std::size_t>(i)];
        bool expected = false;
        if (!slot.taken.compare_exchange_strong(expected, true))
            continue;
        const auto begin = reinterpret_cast<std::uintptr_t>(data);
        slot.failure.store(kNoFailure);
        slot.end.store((begin + size + g_pageSize - 1) & ~(g_pageSize - 1), std::memory_order_release);
        slot.begin.store(begin, std::memory_order_release);
        slot_ = i;
        return true;
    }
    return false;
}

void MappedFileGuard::release()
{
    if (slot_ < 0)
        return;
    Slot& slot = g_slots[static_cast<std::size_t>(slot_)];
    slot.begin.store(0, std::memory_order_release);
    slot.end.store(0, std::memory_order_release);
    slot.taken.store(false, std::memory_order_release);
    slot_ = -1;
}

std::uint64_t MappedFileGuard::firstFailure() const
{
    return slot_ < 0 ? kNoFailure : g_slots[static_cast<std::size_t>(slot_)].failure.load();
}

void MappedFileGuard::failFrom(std::uint64_t offset)
{
    if (slot_ < 0)
        return;
    Slot& slot = g_slots[static_cast<std::size_t>(slot_)];
    const std::uintptr_t begin = slot.begin.load();
    const std::uintptr_t end = slot.end.load();
    const std::uintptr_t page = (begin + static_cast<std::uintptr_t>(offset)) & ~(g_pageSize - 1);
    if (page < end && ReplaceWithZeros(page, end))
        RecordFailure(slot, page - begin);
}

void MappedFileGuard::FailEverywhereFrom(std::uint64_t offset)
{
    for (int i = 0; i < kSlots; ++i) {
        if (g_slots[static_cast<std::size_t>(i)].begin.load() == 0)
            continue;
        MappedFileGuard guard;
        guard.slot_ = i;
        guard.failFrom(offset);
        guard.slot_ = -1;
    }
}

} // namespace kp

#else

namespace kp {

// A Windows view of a file cannot lose its pages to truncation: the system
// refuses to shorten a file while it is mapped. A read that fails on the
// storage itself raises an in-page error that no guard here turns into zeros.
bool MappedFileGuard::watch(const std::uint8_t*, std::size_t)
{
    return false;
}
void MappedFileGuard::release()
{
    slot_ = -1;
}
std::uint64_t MappedFileGuard::firstFailure() const
{
    return kNoFailure;
}
void MappedFileGuard::failFrom(std::uint64_t) { }
void MappedFileGuard::FailEverywhereFrom(std::uint64_t) { }

} // namespace kp

#endif
