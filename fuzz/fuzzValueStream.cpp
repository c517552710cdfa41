#include "FuzzSupport.h"
#include "core/cError.h"
#include "core/cValueStream.h"

// Every read operation in an order chosen by the input itself.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t plan = data[0];
    TValueReader reader(AsBytes(data + 1, size - 1));
    try {
        for (int step = 0; reader.Remaining() > 0 && step < 4096; ++step) {
            switch ((plan + step) % 6) {
            case 0:
                reader.ReadInteger();
                break;
            case 1:
                reader.ReadFloat();
                break;
            case 2:
                reader.ReadString();
                break;
            case 3:
                reader.ReadBoolean();
                break;
            case 4:
                if (reader.EndOfList())
                    reader.ReadListEnd();
                else
                    reader.ReadListBegin();
                break;
            default:
                reader.ReadString();
                break;
            }
        }
    } catch (const TStreamError&) {
    }
    return 0;
}
