#pragma once

#include "measure.h"

#include <QPoint>
#include <QStringList>
#include <vector>

class OperatorPrompt;

// Quendal and the bare reference client, run by turns against one simulator.
struct Comparison {
    std::vector<RunMeasure> quendal;
    std::vector<double> referenceMs;
    std::vector<double> referenceProcessorMs;
    std::vector<double> roundTripsUs;
    bool referencePassed = true;
    bool sameBytes = false; // the terminal received the same stream from every run of both
    QPoint closeButton;     // "Programmende" in main window coordinates
};

// `shown`: the main window is shown and exposed before the first run, so that every run
// paints what an operator would see; otherwise it stays hidden.
Comparison compareRuns(const QStringList& simArguments, int runs, int roundTrips, bool shown,
                       OperatorPrompt& prompt, const QString& folder);
