// The running instance's reading of a hand-off request over any bytes.
#include "core/startup/HandOffRequest.h"

#include <cstdlib>

using namespace quenbrook;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const HandOffRequest::Decoded decoded = HandOffRequest::Decode(bytes);
    if (decoded.state != HandOffRequest::State::Complete)
        return 0;
    // A request read is one that was sent: encoding it again gives the bytes it came from.
    const QByteArray again = HandOffRequest::Encode(decoded.number, decoded.text.toUtf8());
    if (again.size() > HandOffRequest::HeaderSize + HandOffRequest::MaxTextBytes * 3 ||
        !bytes.startsWith(again.first(HandOffRequest::HeaderSize)))
        std::abort();
    return 0;
}
