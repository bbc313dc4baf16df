#include "report_delivery.h"

#include "output_writer.h"
#include "report_captions.h"
#include "report_target.h"
#include "wait_limits.h"

#include <QEventLoop>
#include <QFile>
#include <QSaveFile>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemText(int error) {
    return QString::fromLocal8Bit(std::strerror(error));
}

// Non-blocking, so that a FIFO without a reader refuses (ENXIO) instead of hanging; the
// writer thread then writes blocking, so a slow reader gets every byte.
int openWithoutWaiting(const QString& file) {
    const int fd = ::open(QFile::encodeName(file).constData(),
                          O_WRONLY | O_APPEND | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd >= 0)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

} // namespace

ReportDelivery::ReportDelivery(const QString& target, OutputWriter& output, QObject* parent)
    : QObject(parent), target_(target), output_(output) {}

bool ReportDelivery::deliver(const QByteArray& json, QString& error) {
    if (target_.isEmpty())
        return true;
    return ReportTarget::writtenInPlace(target_) || target_ == QLatin1String("-")
               ? stream(json, error)
               : saveFile(json, error);
}

bool ReportDelivery::failed(const QString& reason, QString& error) const {
    error = Captions::reportNotWritten(
        target_ == QLatin1String("-") ? Captions::standardOutput : target_, reason);
    return false;
}

// Unbuffered, so that every short write is seen here; the old file stays until commit().
bool ReportDelivery::saveFile(const QByteArray& json, QString& error) {
    QSaveFile out(target_);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(out.errorString(), error);
    if (out.write(json) != json.size()) {
        const QString reason = out.errorString();
        out.cancelWriting();
        return failed(reason, error);
    }
    if (!out.commit())
        return failed(out.errorString(), error);
    return true;
}

bool ReportDelivery::stream(const QByteArray& json, QString& error) {
    const bool standardOutput = target_ == QLatin1String("-");
    const int fd = standardOutput ? STDOUT_FILENO : openStream(error);
    if (fd < 0)
        return false;
    output_.writeChecked(fd, json, !standardOutput);
    if (!output_.waitUntilDrained(QDeadlineTimer(WaitLimits::stalledReaderMs)))
        return failed(stopped_ ? Captions::reportWaitInterrupted
                               : Captions::reportReaderStalled(WaitLimits::stalledReaderMs / 1000),
                      error);
    const int written = output_.checkedError();
    return written == 0 || failed(systemText(written), error);
}

// A FIFO opens only once a reader has; until then it is tried again, for a bounded time.
int ReportDelivery::openStream(QString& error) {
    QDeadlineTimer deadline(WaitLimits::absentReaderMs);
    QEventLoop loop;
    QTimer retry;
    connect(&retry, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &ReportDelivery::waitStopped, &loop, &QEventLoop::quit);
    retry.start(WaitLimits::readerRetryMs);
    for (;;) {
        const int fd = openWithoutWaiting(target_);
        const int openError = errno;
        if (fd >= 0)
            return fd;
        if (openError != ENXIO) {
            failed(systemText(openError), error);
            return -1;
        }
        if (stopped_ || deadline.hasExpired()) {
            failed(stopped_ ? Captions::reportWaitInterrupted
                            : Captions::reportNoReader(WaitLimits::absentReaderMs / 1000),
                   error);
            return -1;
        }
        loop.exec();
    }
}

void ReportDelivery::stopWaiting() {
    stopped_ = true;
    emit waitStopped();
}
