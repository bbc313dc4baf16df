#include "line_settings.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace {

constexpr std::array offeredBauds{110,   300,   600,   1200,  2400,  4800,   9600,   14400,
                                  19200, 28800, 38400, 56000, 57600, 115200, 128000, 256000};

bool isOfferedBaud(int baud) {
    return std::find(offeredBauds.begin(), offeredBauds.end(), baud) != offeredBauds.end();
}

bool reject(PortProblem::Setting setting, const QString& value, RejectedSetting& rejected) {
    rejected = {setting, value, 0, {}};
    return false;
}

} // namespace

bool parseLineSettings(const QString& text, LineSettings& settings, RejectedSetting& rejected) {
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 4)
        return reject(PortProblem::Fields, text, rejected);
    const bool allDigits = std::all_of(fields[0].begin(), fields[0].end(),
                                       [](QChar c) { return c.isDigit() && c.unicode() < 128; });
    if (!allDigits || !isOfferedBaud(fields[0].toInt()))
        return reject(PortProblem::BaudRate, fields[0], rejected);
    const QString parity = fields[1].toLower();
    if (parity.size() != 1 || !QStringLiteral("eonms").contains(parity))
        return reject(PortProblem::Parity, fields[1], rejected);
    const QString& data = fields[2];
    if (data.size() != 1 || data[0] < QLatin1Char('4') || data[0] > QLatin1Char('8'))
        return reject(PortProblem::DataBits, data, rejected);
    const QString& stop = fields[3];
    if (stop != QLatin1String("1") && stop != QLatin1String("1.5") && stop != QLatin1String("2"))
        return reject(PortProblem::StopBits, stop, rejected);
    settings = {fields[0].toInt(), parity[0].toLatin1(), data.toInt(), stop};
    return true;
}

QString formatLineSettings(const LineSettings& settings) {
    return QStringLiteral("%1,%2,%3,%4")
        .arg(settings.baud)
        .arg(QLatin1Char(settings.parity))
        .arg(settings.dataBits)
        .arg(settings.stopBits);
}
