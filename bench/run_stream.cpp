#include "run_stream.h"

#include "device_link/terminal_commands.h"

using namespace TerminalCommands;

namespace {

class Builder {
public:
    void send(const QByteArray& bytes) { stream.push_back({bytes, false, 0}); }
    void await(char data, int timeOutMs) { stream.push_back({byte(data), true, timeOutMs}); }
    std::vector<StreamWrite> stream;
};

} // namespace

std::vector<StreamWrite> passingRunStream() {
    Builder run;
    run.send(clearDisplayAndCursor());
    run.send(stepTitle(1, interfaceTestName));
    run.send(recodingTableTransfer());
    for (int i = 0; i <= probeFillers; ++i)
        run.await(probeByte, probeTimeOut);

    run.send(clearDisplay());
    run.send(stepTitle(2, recodingTableName));
    run.send(recodingTableTransfer());
    for (const char entry : recodingTable())
        run.await(entry, recodingTableTimeOut);

    run.send(clearDisplay());
    run.send(stepTitle(3, displayGeometryName));
    run.send(displayFormat());
    run.send(byte(*displayFormatCode(20, 4)));

    run.send(clearDisplay());
    run.send(fixedTextsTitle(4));
    run.send(fixedTextTransfer());
    for (int i = 0; i < fixedTextCount; ++i) {
        for (const char digit : fixedText(i))
            run.await(digit, fixedTextDigitTimeOut);
        run.send(byte(NUL));
    }
    run.send(byte(NUL));

    run.send(bannerSpaces());
    run.send(clearDisplay());
    run.send(bannerGeometry(20, 4));
    run.send(bannerEnd());
    return run.stream;
}

QByteArray streamBytes(const std::vector<StreamWrite>& stream) {
    QByteArray all;
    for (const StreamWrite& write : stream)
        all += write.bytes;
    return all;
}
