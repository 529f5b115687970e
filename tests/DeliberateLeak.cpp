// Leaks on purpose, for the sanitized run's proof that a leak of ours fails under its options and suppressions.

#include <QObject>

#include <thread>

int main()
{
    // Made on a thread that has ended, so that no stale copy of the address on a live stack hides the leak.
    std::thread([] { new QObject; }).join();
    return 0;
}
