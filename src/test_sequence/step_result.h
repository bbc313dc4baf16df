#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <algorithm>
#include <optional>

// One exchange that did not get its echo: what went out, what was awaited, what came back.
struct ExchangeFailure {
    QByteArray sent;
    QByteArray awaited;
    QByteArray received;
    qint64 waitedMs = 0;
};

// The echoes a step got back: how many, and the longest wait for one of them.
struct EchoCount {
    int echoes = 0;
    std::optional<qint64> slowestMs;

    void add(qint64 waitedMs) {
        ++echoes;
        slowestMs = std::max(slowestMs.value_or(0), waitedMs);
    }
};

// A finished result row of a run.
struct StepResult {
    enum Outcome { Passed, Failed, Cancelled };

    int index = 0;
    QString caption;
    QString result; // the row's text: "OK", "abgebrochen" or the step's error text
    Outcome outcome = Passed;
    qint64 durationMs = 0;
    QList<ExchangeFailure> failures;
    EchoCount echoes;
};
