#pragma once

// What every fuzz target shares: turning the fuzzer's bytes into text, failing loudly, and the
// one application object the targets that need Qt's text layout use.
#include <QString>

#include <cstddef>
#include <cstdint>

// The entry point of every target; libFuzzer calls it, and so does Replay.cpp in the ordinary
// build, for every file of the target's corpus.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace Fuzz {

// The bytes as text: UTF-8, except that a 0xFF byte (never part of UTF-8) and the two bytes
// after it give one UTF-16 unit as it stands, so that lone surrogates and every other character
// can be reached too.
QString text(const uint8_t *data, size_t size);

// Prints what went wrong and the text it went wrong on, then aborts: the fuzzer keeps the input.
[[noreturn]] void fail(const char *what, const QString &detail = QString());

// A QApplication on the offscreen platform, made on first use.
void needApplication();

} // namespace Fuzz

#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            Fuzz::fail(#condition, detail);                                                        \
    } while (false)
