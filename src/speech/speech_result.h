#pragma once

#include <cstdint>
#include <string>

namespace vor {

// What an engine operation answers. The values are the classic COM result
// codes, so an engine that reports one of them is understood whatever it
// runs on, and every Speech command reports through the one mapping below.
enum class SpeechResult : std::uint32_t {
    Ok = 0,
    NotImplemented = 0x80004001,
    NoInterface = 0x80004002,  // no engine: the call reached nothing
    Fail = 0x80004005,
    InvalidWindow = 0x8004000F,
    InvalidMode = 0x80040206,
    InvalidArgument = 0x80070057,
};

inline bool succeeded(SpeechResult r) {
    return r == SpeechResult::Ok;
}

// The message a result shows, or "" for the results that show nothing
// (success, a missing engine, and anything not listed).
std::string speechErrorMessage(SpeechResult result);

}  // namespace vor
