// Verify after write: the written ranges are read back with the same method and
// compared, the module's own positions left out. The editor's image stays what was
// written; a difference is listed and the status says the write failed.
#include "z4link/TransferEngine.h"

namespace vardeck {

bool TransferEngine::keptByModule(int address) const {
    if (address == 75 || address == 254 || address == 255) return true;
    return !vars_.company && address >= 384 && address <= 399;
}

void TransferEngine::startVerify() {
    verifying_ = true;
    written_ = image_;
    differences_.clear();
    readAll();
    showStatus(TransferText::VerifyRunning);
    enableTransferButtons(false);
}

bool TransferEngine::finishVerify() {
    if (!verifying_) return false;
    verifying_ = false;
    // What the read covered: byte-wise 1024 bytes, 256-byte blocks 1536, the
    // Contact ID model's 32-byte blocks the whole image.
    int end = vars_.firmwareVersion <= 32 ? 1024 : 1536;
    if (vars_.deviceType == 100) end = kImageSize;
    for (int a = 0; a < end; ++a) {
        const auto i = static_cast<std::size_t>(a);
        if (!keptByModule(a) && image_[i] != written_[i]) differences_.push_back({a, written_[i], image_[i]});
    }
    image_ = written_;
    hideGauge();
    enableTransferButtons(true);
    showStatus(differences_.empty() ? TransferText::WriteAllDone : TransferText::VerifyFailed);
    listener_.verified(differences_);
    return true;
}

}  // namespace vardeck
