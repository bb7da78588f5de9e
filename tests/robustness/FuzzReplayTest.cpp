// Replays the fuzz targets' seed inputs and every input a fuzzing run found
// crashing (tests/fuzz/regressions, named after their target: text-…,
// dates-…, birth-…) through the same bodies libFuzzer drives, then a fixed
// stream of generated inputs, so that the properties hold under every
// compiler and under the sanitizers of this build.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "FuzzTargets.h"
#include "support/Files.h"

namespace fs = std::filesystem;
using namespace quillora::fuzz;

namespace {

using Body = void (*)(const std::uint8_t*, std::size_t);

const fs::path kFuzzDir = fs::path(QUILLORA_SOURCE_DIR) / "tests" / "fuzz";

void Feed(Body body, const std::string& input) {
    body(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
}

Body BodyNamed(const std::string& name) {
    if (name == "text")
        return FuzzText;
    if (name == "dates")
        return FuzzDateReaders;
    if (name == "birth")
        return FuzzBirthRecord;
    return nullptr;
}

}  // namespace

TEST(FuzzReplay, SeedInputsAndFoundCrashesStayFixed) {
    int replayed = 0;
    for (const char* target : {"text", "dates", "birth"}) {
        const fs::path corpus = kFuzzDir / "corpus" / target;
        ASSERT_TRUE(fs::is_directory(corpus)) << corpus;
        for (const auto& entry : fs::directory_iterator(corpus)) {
            SCOPED_TRACE(entry.path().string());
            Feed(BodyNamed(target), quillora::test::ReadFileBytes(entry.path()));
            ++replayed;
        }
    }
    for (const auto& entry : fs::directory_iterator(kFuzzDir / "regressions")) {
        const std::string name = entry.path().filename().string();
        const Body body = BodyNamed(name.substr(0, name.find('-')));
        ASSERT_NE(body, nullptr) << "regression input without its target's name: " << name;
        SCOPED_TRACE(name);
        Feed(body, quillora::test::ReadFileBytes(entry.path()));
        ++replayed;
    }
    EXPECT_GT(replayed, 5);
}

TEST(FuzzReplay, GeneratedInputsKeepEveryProperty) {
    // Seed inputs cut, spliced and sprinkled with bytes from a fixed stream.
    std::vector<std::string> seeds;
    for (const char* target : {"text", "dates", "birth"}) {
        for (const auto& entry : fs::directory_iterator(kFuzzDir / "corpus" / target))
            seeds.push_back(quillora::test::ReadFileBytes(entry.path()));
    }
    static const char* const kPieces[] = {
        "-", "0",    "1",    "9",    " ",           "\t",         "\x00", "'",
        "%", "子 0", "2100", "1900", "12",          "31",         "\xff", "\xe4\xb8",
        "😀", "𠀀",   "闰",   "农历", "-2147483648", "99999999999"};
    std::mt19937_64 rng(20240210);
    const auto below = [&](std::size_t n) { return static_cast<std::size_t>(rng() % n); };
    for (int i = 0; i < 60000; ++i) {
        std::string s = seeds[below(seeds.size())];
        const int edits = 1 + static_cast<int>(below(6));
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = s.empty() ? 0 : below(s.size() + 1);
            switch (below(4)) {
                case 0:
                    s.insert(at, kPieces[below(std::size(kPieces))]);
                    break;
                case 1:
                    if (!s.empty())
                        s.erase(below(s.size()), 1 + below(4));
                    break;
                case 2:
                    if (!s.empty())
                        s[below(s.size())] = static_cast<char>(rng());
                    break;
                default:
                    s.insert(at, 1, '\0');
                    break;
            }
        }
        Feed(FuzzAll, std::string(1, static_cast<char>(i % 3)) + s);
    }
}
