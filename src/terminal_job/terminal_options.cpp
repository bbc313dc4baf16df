#include "terminal_options.h"

#include "device_link/port_directory.h"
#include "device_link/serial_devices.h"
#include "test_sequence/captions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

namespace {

const QString comOption = QStringLiteral("com");
const QString deviceOption = QStringLiteral("device");
const QString geometryOption = QStringLiteral("geometry");

} // namespace

std::optional<int> TerminalOptions::wholeNumber(const QString& text) {
    static const QRegularExpression digits(QStringLiteral("^(0|[1-9][0-9]*)$"));
    bool ok = false;
    const int value = digits.match(text).hasMatch() ? text.toInt(&ok) : 0;
    return ok ? std::optional<int>(value) : std::nullopt;
}

void TerminalOptions::addOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {comOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run oder --slots: ein Terminal an der COM-Nummer N (1 bis 16), "
                            "wie das Fenster sie zuordnet. Wiederholbar. Vorgabe: die gespeicherte "
                            "COM-Nummer (--run) oder [Pruefplatz] Plaetze= (--slots)."),
         QStringLiteral("N")},
        {deviceOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run oder --slots: ein Terminal am Gerät PATH. Wiederholbar."),
         QStringLiteral("PATH")},
        {geometryOption,
         QCoreApplication::translate(
             "CommandLine", "Mit --run oder --slots: die Displaygeometrie, wie die Listen des "
                            "Fensters sie anbieten (Vorgabe 20x4)."),
         QStringLiteral("COLSxROWS")},
    });
}

bool TerminalOptions::readTerminals(const QCommandLineParser& parser,
                                    QList<TerminalChoice>& terminals, QString& error) {
    for (const QString& text : parser.values(comOption)) {
        const auto number = wholeNumber(text);
        if (!number || *number < 1 || *number > highestCommPort) {
            error = QCoreApplication::translate(
                        "CommandLine", "--com %1: die COM-Nummer muss 1 bis %2 sein, in Ziffern")
                        .arg(text)
                        .arg(highestCommPort);
            return false;
        }
        terminals.append({QStringLiteral("COM%1").arg(*number), *number, {}});
    }
    for (const QString& path : parser.values(deviceOption)) {
        if (path.isEmpty()) {
            error = QCoreApplication::translate("CommandLine", "--device: der Pfad ist leer");
            return false;
        }
        terminals.append({path, 0, path});
    }
    return true;
}

// Only what the main window's lists offer: an unsupported pair among them still runs and
// gets the terminal's fallback, as in the window.
bool TerminalOptions::readGeometry(const QCommandLineParser& parser, JobSettings& settings,
                                   QString& error) {
    if (!parser.isSet(geometryOption))
        return true;
    const QString text = parser.value(geometryOption);
    const auto match = QRegularExpression(QStringLiteral("^([0-9]+)[xX]([0-9]+)$")).match(text);
    if (!match.hasMatch() || !Captions::columnChoices.contains(match.captured(1)) ||
        !Captions::rowChoices.contains(match.captured(2))) {
        error = QCoreApplication::translate(
                    "CommandLine", "--geometry %1: die Spalten müssen eine von %2 und die Zeilen "
                                   "eine von %3 sein, wie in COLSxROWS")
                    .arg(text, Captions::columnChoices.join(QLatin1Char(',')),
                         Captions::rowChoices.join(QLatin1Char(',')));
        return false;
    }
    settings.columns = match.captured(1).toInt();
    settings.rows = match.captured(2).toInt();
    return true;
}

int TerminalOptions::storedCommPort(const QString& text) {
    bool isNumber = false;
    const int commPort = text.trimmed().toInt(&isNumber);
    return isNumber && commPort >= 1 && commPort <= highestCommPort ? commPort : 0;
}

QString TerminalOptions::deviceOf(const TerminalChoice& terminal) {
    return terminal.commPort > 0 ? devicePathForPort(terminal.commPort) : terminal.device;
}

bool TerminalOptions::eachDeviceOnce(const QList<TerminalChoice>& terminals, QString& error) {
    for (qsizetype i = 0; i < terminals.size(); ++i)
        for (qsizetype j = i + 1; j < terminals.size(); ++j)
            if (sameDevice(deviceOf(terminals[i]), deviceOf(terminals[j]))) {
                error =
                    QCoreApplication::translate(
                        "CommandLine", "%1 und %2 nennen dasselbe Gerät; jedes Terminal braucht "
                                       "eine eigene Schnittstelle")
                        .arg(terminals[i].name, terminals[j].name);
                return false;
            }
    return true;
}
