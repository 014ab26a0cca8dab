#include "speech/speech_result.h"

#include "core/tr_noop.h"

namespace vor {

std::string speechErrorMessage(SpeechResult result) {
    switch (result) {
        case SpeechResult::InvalidMode: return VOR_TR_NOOP("vorlex", "Invalid Mode Error");
        case SpeechResult::InvalidArgument: return VOR_TR_NOOP("vorlex", "Invalid Parameter Error");
        case SpeechResult::InvalidWindow: return VOR_TR_NOOP("vorlex", "Invalid Window Error");
        case SpeechResult::NotImplemented:
            return VOR_TR_NOOP("vorlex",
                               "This feature is not supported by the currently installed Text To "
                               "Speech Engine.");
        default: return {};
    }
}

}  // namespace vor
