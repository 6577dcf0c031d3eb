// mkdist compress / decompress: the codec on raw streams, without catalogue or volumes.
#include <limits>

#include "commands.h"
#include "file_access.h"
#include "lzh/lzh_encoder.h"
#include "progress_bar.h"
#include "rtl/exception.h"
#include "stream_decoder.h"

int RunCompress(const TCommandLine& Line, const TConsole& Console) {
    if (Line.Arguments.size() != 2) throw Exception("compress needs IN and OUT");
    const std::vector<uint8_t> input = ReadWholeFile(Line.Arguments[0]);
    TProgressBar bar("compressing", input.size());
    const std::vector<uint8_t> output =
        LzhPack(input.data(), input.size(), [&bar](size_t done, size_t) { bar.Update(done); });
    bar.Finish();
    WriteWholeFile(Line.Arguments[1], output);
    Console.Out << Line.Arguments[0] << ": " << input.size() << " bytes -> " << Line.Arguments[1] << ": "
                << output.size() << " bytes\n";
    return 0;
}

int RunDecompress(const TCommandLine& Line, const TConsole& Console) {
    if (Line.Arguments.size() != 2) throw Exception("decompress needs IN and OUT");
    const std::optional<std::string> sizeText = Line.Option("size");
    if (!sizeText) throw Exception("decompress needs --size N, the number of bytes to decode");
    const int32_t size = int32_t(ParseCount(*sizeText, "size", 0, std::numeric_limits<int32_t>::max()));
    const std::vector<uint8_t> input = ReadWholeFile(Line.Arguments[0]);
    if (!ArchiveCouldHold(input.size(), size)) {
        throw Exception(Line.Arguments[0] + ": " + std::to_string(input.size()) + " bytes of stream cannot decode to " +
                        std::to_string(size) + " bytes; nothing was written");
    }
    TProgressBar bar("decoding", uint64_t(size));
    const TDecodeResult decoded =
        DecodeStream(input.data(), input.size(), size, [&bar](uint64_t done) { bar.Update(done); });
    bar.Finish();
    if (decoded.ArchiveEndedEarly()) {
        throw Exception(Line.Arguments[0] + ": the stream ends before " + std::to_string(size) +
                        " bytes are decoded; nothing was written");
    }
    WriteWholeFile(Line.Arguments[1], decoded.Bytes);
    Console.Out << Line.Arguments[0] << ": " << input.size() << " bytes -> " << Line.Arguments[1] << ": "
                << decoded.Bytes.size() << " bytes\n";
    return 0;
}
