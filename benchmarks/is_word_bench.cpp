// The cost of the word test. Its worst case is a six-letter string that is no
// word: the scan then compares every word of the longest list.
#include <benchmark/benchmark.h>

#include "app/tavolk_app.h"
#include "platform/headless/headless_backend.h"
#include "window/tavolk_dlg.h"

namespace {

struct Game {
    platform::headless::HeadlessBackend backend;
    CTavolkApp app;
    CTavolkDlg dlg;
    Game() : dlg((platform::Backend::SetCurrent(&backend), nullptr)) {
        for (int k = 0; k < 4; ++k)
            dlg.m_strWords[k] = dlg.LoadWordList(k);
    }
};

void BM_IsWord(benchmark::State& state, std::u16string text) {
    Game game;
    bool result = false;
    for (auto _ : state) {
        result = game.dlg.IsWord(text);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(result ? "word" : "not a word");
}

BENCHMARK_CAPTURE(BM_IsWord, six_letter_non_word_worst_case, std::u16string(u"ZZZZZZ"));
BENCHMARK_CAPTURE(BM_IsWord, six_letter_last_word, std::u16string(u"ZYGOTE"));
BENCHMARK_CAPTURE(BM_IsWord, three_letter_first_word, std::u16string(u"ABS"));
BENCHMARK_CAPTURE(BM_IsWord, seven_letters_no_scan, std::u16string(u"ABSOLVE"));

}  // namespace
