#include "device_link/line_settings.h"
#include "device_link/serial_port.h"
#include "test_sequence/captions.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace {

QString roundTrip(const QString& text) {
    LineSettings settings;
    RejectedSetting rejected;
    if (!parseLineSettings(text, settings, rejected))
        return QStringLiteral("rejected: ") + rejected.value;
    return formatLineSettings(settings);
}

TEST(LineSettings, ReportsParityInLowerCaseAndKeepsTheOtherFields) {
    EXPECT_EQ(roundTrip("9600,N,8,1"), "9600,n,8,1");
    EXPECT_EQ(roundTrip("115200,e,7,1.5"), "115200,e,7,1.5");
    EXPECT_EQ(roundTrip("256000,S,4,2"), "256000,s,4,2");
    EXPECT_EQ(roundTrip("110,M,5,1"), "110,m,5,1");
    EXPECT_EQ(roundTrip("9600,o,8,1"), "9600,o,8,1");
}

// The field named is the one the captions word, with its value as written.
TEST(LineSettings, RejectsWhatIsNotAFourFieldFormatOfOfferedValues) {
    using S = PortProblem::Setting;
    const std::vector<std::pair<const char*, std::pair<S, QString>>> cases{
        {"", {S::Fields, ""}},
        {"abc", {S::Fields, "abc"}},
        {"9600,n,8", {S::Fields, "9600,n,8"}},
        {"9600,n,8,1,1", {S::Fields, "9600,n,8,1,1"}},
        {"9600,x,8,1", {S::Parity, "x"}},
        {"9600,n,9,1", {S::DataBits, "9"}},
        {"9600,n,3,1", {S::DataBits, "3"}},
        {"9600,n,8,3", {S::StopBits, "3"}},
        {"9600,,8,1", {S::Parity, ""}},
        {"9601,n,8,1", {S::BaudRate, "9601"}},
        {"-1,n,8,1", {S::BaudRate, "-1"}},
        {"+9600,n,8,1", {S::BaudRate, "+9600"}},
        {"9600,nn,8,1", {S::Parity, "nn"}},
        {"9600,n,8,1.0", {S::StopBits, "1.0"}},
        {" 9600,n,8,1", {S::BaudRate, " 9600"}},
        {"9600,n,08,1", {S::DataBits, "08"}}};
    for (const auto& [text, expected] : cases) {
        LineSettings settings;
        RejectedSetting rejected;
        EXPECT_FALSE(parseLineSettings(text, settings, rejected)) << text;
        EXPECT_EQ(rejected.setting, expected.first) << text;
        EXPECT_EQ(rejected.value, expected.second) << text;
    }
}

TEST(LineSettings, DescribesALongRejectedTextWithoutRepeatingAllOfIt) {
    SerialPort port;
    ASSERT_FALSE(port.setSettings(QString(100000, QLatin1Char('9'))));
    EXPECT_LT(Captions::describe(port.problem()).size(), 400);
}

} // namespace
