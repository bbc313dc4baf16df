#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class OutputWriter;

// Puts the finished report where --report asked: a file is replaced whole or left as it was;
// a pipe, FIFO or device gets it through the output writer. Every wait for a reader is
// bounded, and a signal ends it at once.
class ReportDelivery : public QObject {
    Q_OBJECT

public:
    ReportDelivery(const QString& target, OutputWriter& output, QObject* parent = nullptr);

    // Returns false with the words for standard error, naming the target, in `error`.
    bool deliver(const QByteArray& json, QString& error);
    // A signal: a wait under way ends, and none begins.
    void stopWaiting();

signals:
    void waitStopped();

private:
    bool saveFile(const QByteArray& json, QString& error);
    bool stream(const QByteArray& json, QString& error);
    int openStream(QString& error);
    bool failed(const QString& reason, QString& error) const;

    QString target_;
    OutputWriter& output_;
    bool stopped_ = false;
};
