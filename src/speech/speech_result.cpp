#include "speech/speech_result.h"

namespace vor {

std::string speechErrorMessage(SpeechResult result) {
    switch (result) {
        case SpeechResult::InvalidMode: return "Invalid Mode Error";
        case SpeechResult::InvalidArgument: return "Invalid Parameter Error";
        case SpeechResult::InvalidWindow: return "Invalid Window Error";
        case SpeechResult::NotImplemented:
            return "This feature is not supported by the currently installed Text To Speech "
                   "Engine.";
        default: return {};
    }
}

}  // namespace vor
