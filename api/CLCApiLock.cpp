#include "api/CLCApiLock.h"

#include <atomic>
#include <mutex>
#include <thread>

namespace {

struct SApiLock {
    std::mutex mtx;
    // The thread holding mtx; only that thread ever finds its own id here.
    std::atomic<std::thread::id> owner{std::thread::id()};
};

SApiLock& Shared()
{
    static SApiLock s_lock;
    return s_lock;
}

} // namespace

CLCApiLock::CLCApiLock(Kind kind)
{
    SApiLock& lock = Shared();
    if (lock.owner.load() == std::this_thread::get_id()) {
        m_bEntered = kind == Kind::Lifetime;
        return;
    }
    lock.mtx.lock();
    lock.owner.store(std::this_thread::get_id());
    m_bOwner = true;
    m_bEntered = true;
}

CLCApiLock::~CLCApiLock()
{
    if (!m_bOwner)
        return;
    SApiLock& lock = Shared();
    lock.owner.store(std::thread::id());
    lock.mtx.unlock();
}
