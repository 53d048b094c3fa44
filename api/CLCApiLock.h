#pragma once
// For the API's own sources only, not for its callers.

// The one process-wide lock of the API. The execution mode, the collectors,
// the GIR singletons and the XML library's initialisation count are shared
// by every API object, and hosts call from several threads or apartments:
// every operation, and the API object's construction and destruction, hold
// this lock from start to end, so that overlapping calls wait for each other.
//
// A thread whose operation is still running (a dialog pumping messages) may
// be called again. An operation arriving so does not enter (Entered() is
// false) and must answer at once without touching shared state; construction
// and destruction enter, as they only count the XML library's users.
class CLCApiLock {
public:
    enum class Kind { Operation, Lifetime };

    explicit CLCApiLock(Kind kind);
    ~CLCApiLock();

    CLCApiLock(const CLCApiLock&) = delete;
    CLCApiLock& operator=(const CLCApiLock&) = delete;

    bool Entered() const { return m_bEntered; }

private:
    bool m_bOwner = false;
    bool m_bEntered = false;
};
