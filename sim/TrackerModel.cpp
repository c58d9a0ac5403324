#include "sim/TrackerModel.h"

#include <algorithm>
#include <string_view>

namespace vardeck::sim {

namespace {

// The rest of a block write must follow its header within this time.
constexpr SimTime kPayloadTimeout = std::chrono::milliseconds(1000);

void putText(std::span<uint8_t> memory, std::size_t at, std::string_view text) {
    std::copy(text.begin(), text.end(), memory.begin() + static_cast<std::ptrdiff_t>(at));
}

}  // namespace

TrackerModel::TrackerModel() : ByteMemoryModel(kTypeCode, kMemorySize) { writeFactorySettings(); }

// A tracker as it leaves the factory: a server address from the documentation
// range, port 5000, APN "internet", the motion sensor on; the old-format block
// carries the same address in every second byte.
void TrackerModel::writeFactorySettings() {
    constexpr std::string_view address = "192.000.002.001";
    std::span<uint8_t> m = memory();
    m[15] = 0;
    putText(m, 128, "internet");
    m[128 + 8] = 0xFF;
    putText(m, 160, address);
    m[175] = '/';
    putText(m, 176, "05000");
    const std::size_t block = blockAddress(kAddressPage, 0);
    std::fill_n(m.begin() + static_cast<std::ptrdiff_t>(block), kBlockSize, uint8_t{0});
    for (std::size_t i = 0; i < address.size(); ++i) m[block + 18 + 2 * i] = static_cast<uint8_t>(address[i]);
}

bool TrackerModel::onFrame(const Frame& frame) {
    switch (frame[1]) {
        case kReadBlock: return handleBlockRead(frame);
        case kWriteBlock: return handleBlockWrite(frame);
        default: return ByteMemoryModel::onFrame(frame);
    }
}

void TrackerModel::clearHistory() {
    ByteMemoryModel::clearHistory();
    blocksStored_ = 0;
}

bool TrackerModel::handleBlockRead(const Frame& frame) {
    const std::size_t address = blockAddress(frame[2], frame[3]);
    if (frame[0] != 0 || !blockFits(address)) return false;
    const uint8_t* block = memory().data() + address;
    Bytes reply(block, block + kBlockSize);
    reply.push_back(dataSum(block, kBlockSize));
    send(std::move(reply));
    return true;
}

bool TrackerModel::handleBlockWrite(const Frame& frame) {
    const std::size_t address = blockAddress(frame[2], frame[3]);
    const uint8_t page = frame[2];
    const uint8_t offset = frame[3];
    // The data follows whatever the address: it must not be mistaken for frames.
    expectRaw(kBlockSize + 1, kPayloadTimeout, [this, address, page, offset](const Bytes& dataAndSum) {
        storeBlock(address, page, offset, dataAndSum);
    });
    return frame[0] == 0 && blockFits(address);
}

void TrackerModel::storeBlock(std::size_t address, uint8_t page, uint8_t offset, const Bytes& dataAndSum) {
    if (!blockFits(address) || dataSum(dataAndSum.data(), kBlockSize) != dataAndSum[kBlockSize]) return;
    std::copy_n(dataAndSum.begin(), kBlockSize, memory().begin() + static_cast<std::ptrdiff_t>(address));
    // A block over the device's own bytes leaves them as they were.
    restoreOwnedBytes();
    ++blocksStored_;
    sendFrame(kAck, kWriteBlock, page, offset);
}

}  // namespace vardeck::sim
