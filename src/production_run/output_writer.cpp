#include "output_writer.h"

#include "wait_limits.h"

#include <QEventLoop>
#include <QTimer>
#include <cerrno>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <thread>
#include <unistd.h>

namespace {

// Lines beyond this, queued for a reader that takes nothing, are dropped.
constexpr qsizetype queueLimitBytes = 8 * 1024 * 1024;

struct Item {
    int fd = -1;
    QByteArray bytes;
    bool checked = false;
    bool closeAfter = false;
};

// Writes all of `bytes`; returns 0 or the errno that stopped it.
int writeAll(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        done += n;
    }
    return 0;
}

} // namespace

struct OutputWriter::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Item> items;
    qsizetype queuedBytes = 0;
    bool busy = false;
    bool stop = false;
    std::set<int> broken;
    int checkedError = 0;
    // Set and cleared under the mutex: the owner is gone once it is empty.
    std::function<void()> onIdle;
    std::thread thread;

    void run();
    void deliver(Item item);
};

void OutputWriter::Shared::deliver(Item item) {
    const int error = writeAll(item.fd, item.bytes);
    if (item.closeAfter)
        ::close(item.fd);
    std::lock_guard lock(mutex);
    if (error)
        broken.insert(item.fd);
    if (item.checked)
        checkedError = error;
}

void OutputWriter::Shared::run() {
    std::unique_lock lock(mutex);
    for (;;) {
        wake.wait(lock, [this] { return stop || !items.empty(); });
        if (items.empty())
            return;
        Item item = std::move(items.front());
        items.pop_front();
        queuedBytes -= item.bytes.size();
        busy = true;
        lock.unlock();
        deliver(std::move(item));
        lock.lock();
        busy = false;
        if (items.empty() && onIdle)
            onIdle();
    }
}

OutputWriter::OutputWriter(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    shared_->onIdle = [this] {
        QMetaObject::invokeMethod(this, &OutputWriter::drained, Qt::QueuedConnection);
    };
    // The thread holds the state too, so a write that never returns outlives this object.
    shared_->thread = std::thread([shared = shared_] { shared->run(); });
}

OutputWriter::~OutputWriter() {
    std::unique_lock lock(shared_->mutex);
    shared_->onIdle = nullptr;
    shared_->stop = true;
    const bool idle = !shared_->busy;
    shared_->items.clear();
    lock.unlock();
    shared_->wake.notify_one();
    if (idle)
        shared_->thread.join();
    else
        shared_->thread.detach();
}

void OutputWriter::write(int fd, const QByteArray& bytes) {
    {
        std::lock_guard lock(shared_->mutex);
        if (shared_->broken.count(fd) || shared_->queuedBytes > queueLimitBytes)
            return;
        shared_->items.push_back({fd, bytes, false, false});
        shared_->queuedBytes += bytes.size();
    }
    shared_->wake.notify_one();
}

void OutputWriter::writeChecked(int fd, const QByteArray& bytes, bool closeAfter) {
    {
        std::lock_guard lock(shared_->mutex);
        shared_->checkedError = -1;
        shared_->broken.erase(fd);
        shared_->items.push_back({fd, bytes, true, closeAfter});
        shared_->queuedBytes += bytes.size();
    }
    shared_->wake.notify_one();
}

int OutputWriter::checkedError() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->checkedError;
}

bool OutputWriter::idle() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->items.empty() && !shared_->busy;
}

bool OutputWriter::waitUntilDrained(QDeadlineTimer deadline) {
    QEventLoop loop;
    QTimer timeOut;
    timeOut.setSingleShot(true);
    connect(&timeOut, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &OutputWriter::drained, &loop, &QEventLoop::quit);
    connect(this, &OutputWriter::waitStopped, &loop, &QEventLoop::quit);
    QDeadlineTimer grace(QDeadlineTimer::Forever);
    for (;;) {
        if (stopped_ && grace.isForever())
            grace = QDeadlineTimer(WaitLimits::afterSignalMs);
        const QDeadlineTimer until = std::min(deadline, grace);
        if (idle() || until.hasExpired())
            return idle();
        if (!until.isForever())
            timeOut.start(int(std::max<qint64>(1, until.remainingTime())));
        loop.exec();
    }
}

// A signal: a reader that keeps up gets the last lines; one that has stalled is not waited for.
void OutputWriter::stopWaiting() {
    stopped_ = true;
    emit waitStopped();
}
