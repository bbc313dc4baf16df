#include "line_settings.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr std::array offeredBauds{110,   300,   600,   1200,  2400,  4800,   9600,   14400,
                                  19200, 28800, 38400, 56000, 57600, 115200, 128000, 256000};

bool isOfferedBaud(int baud) {
    return std::find(offeredBauds.begin(), offeredBauds.end(), baud) != offeredBauds.end();
}

// Shown to the operator, so translated along with the captions.
QString invalid(const QString& text, const QString& why) {
    return QCoreApplication::translate("Captions", "Ungültige Schnittstelleneinstellung „%1“: %2")
        .arg(text.left(60), why);
}

} // namespace

bool parseLineSettings(const QString& text, LineSettings& settings, QString& error) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4) {
        error = invalid(text, QCoreApplication::translate(
                                  "Captions", "erwartet werden Baudrate, Parität, Datenbits und "
                                              "Stopbits, durch Kommas getrennt."));
        return false;
    }
    const bool allDigits = std::all_of(fields[0].begin(), fields[0].end(),
                                       [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    const int baud = fields[0].toInt();
    if (!allDigits || !isOfferedBaud(baud)) {
        error = invalid(
            text, QCoreApplication::translate("Captions", "Baudrate „%1“ wird nicht unterstützt.")
                      .arg(fields[0]));
        return false;
    }
    const QString parity = fields[1].toLower();
    if (parity.size() != 1 || !QStringLiteral("eonms").contains(parity)) {
        error = invalid(text, QCoreApplication::translate(
                                  "Captions", "Parität „%1“ ist nicht e, o, n, m oder s.")
                                  .arg(fields[1]));
        return false;
    }
    const QString& data = fields[2];
    if (data.size() != 1 || data[0] < QLatin1Char('4') || data[0] > QLatin1Char('8')) {
        error = invalid(
            text, QCoreApplication::translate("Captions", "Datenbits „%1“ sind nicht 4 bis 8.")
                      .arg(data));
        return false;
    }
    const QString& stop = fields[3];
    if (stop != QLatin1String("1") && stop != QLatin1String("1.5") && stop != QLatin1String("2")) {
        error = invalid(
            text, QCoreApplication::translate("Captions", "Stopbits „%1“ sind nicht 1, 1.5 oder 2.")
                      .arg(stop));
        return false;
    }
    settings = {baud, parity[0].toLatin1(), data.toInt(), stop};
    return true;
}

QString formatLineSettings(const LineSettings& settings) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(settings.baud)
        .arg(QLatin1Char(settings.parity))
        .arg(settings.dataBits)
        .arg(settings.stopBits);
}
