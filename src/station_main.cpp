#include "station_main.h"

#include "operator_ui/screen_centre.h"
#include "run_record/line_feed.h"
#include "station_window/record_lookout.h"
#include "station_window/station.h"
#include "station_window/station_window.h"
#include "test_sequence/signal_exit.h"

#include <QApplication>
#include <memory>
#include <unistd.h>

int runStation(const StationOptions& options) {
    std::unique_ptr<StationWindow> shown;
    // Taken before the record is opened, whose lock a signal must be able to end the wait for.
    // Its handler runs from the event loop, once the window is there.
    SignalExit signalExit([&] { shown->endAll(); });
    Station station(options);
    shown = std::make_unique<StationWindow>(station);
    centreOnScreen(*shown);
    shown->show();
    const int status = QApplication::exec();
    shown.reset();
    // A forward or a look that still waits for the line database is not waited for.
    LineFeed::endProcessIfAtWork(status);
    if (RecordLookout::anyAtWork())
        _exit(status);
    return status;
}
