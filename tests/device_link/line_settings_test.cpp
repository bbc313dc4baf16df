#include "device_link/line_settings.h"

#include <gtest/gtest.h>

namespace {

QString roundTrip(const QString& text) {
    LineSettings settings;
    QString error;
    if (!parseLineSettings(text, settings, error))
        return QStringLiteral("rejected: ") + error;
    return formatLineSettings(settings);
}

TEST(LineSettings, ReportsParityInLowerCaseAndKeepsTheOtherFields) {
    EXPECT_EQ(roundTrip("9600,N,8,1"), "9600,n,8,1");
    EXPECT_EQ(roundTrip("115200,e,7,1.5"), "115200,e,7,1.5");
    EXPECT_EQ(roundTrip("256000,S,4,2"), "256000,s,4,2");
    EXPECT_EQ(roundTrip("110,M,5,1"), "110,m,5,1");
    EXPECT_EQ(roundTrip("9600,o,8,1"), "9600,o,8,1");
}

TEST(LineSettings, RejectsWhatIsNotAFourFieldFormatOfOfferedValues) {
    for (const char* text :
         {"", "abc", "9600,n,8", "9600,n,8,1,1", "9600,x,8,1", "9600,n,9,1", "9600,n,3,1",
          "9600,n,8,3", "9600,,8,1", "9601,n,8,1", "-1,n,8,1", "+9600,n,8,1", "9600,nn,8,1",
          "9600,n,8,1.0", " 9600,n,8,1", "9600,n,08,1"}) {
        LineSettings settings;
        QString error;
        EXPECT_FALSE(parseLineSettings(text, settings, error)) << text;
        EXPECT_FALSE(error.isEmpty()) << text;
    }
}

TEST(LineSettings, DescribesALongRejectedTextWithoutRepeatingAllOfIt) {
    LineSettings settings;
    QString error;
    ASSERT_FALSE(parseLineSettings(QString(100000, QLatin1Char('9')), settings, error));
    EXPECT_LT(error.size(), 400);
}

} // namespace
