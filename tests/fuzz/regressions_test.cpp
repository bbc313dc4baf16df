#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

// Every input a fuzzer once crashed on, kept in regressions/<target>/, runs again here.
TEST(FuzzRegressions, KnownInputsPassAgain) {
    const QDir folder(QStringLiteral(FUZZ_REGRESSIONS));
    for (const QString& name : folder.entryList(QDir::Files)) {
        QFile input(folder.filePath(name));
        ASSERT_TRUE(input.open(QIODevice::ReadOnly));
        const QByteArray bytes = input.readAll();
        EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                         bytes.size()),
                  0)
            << name.toStdString();
    }
}
