#pragma once
// One running copy per user session. The copy holds an exclusive lock on a
// file of the session's runtime folder ($XDG_RUNTIME_DIR, else
// /tmp/toramel-<uid>.lock); the kernel drops the lock when the process
// ends in any way, so a crashed copy never blocks the next start.

namespace view {

class SingleInstance {
public:
    SingleInstance();  // tries to take the lock
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another copy holds the lock.
    bool acquired() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace view
