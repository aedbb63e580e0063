#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "app/control_table.h"
#include "event_script.h"
#include "numeric/number_reading.h"
#include "numeric/number_text.h"

namespace numbrel {
namespace {

constexpr std::array kValues = {0.5,    -12.0, 1.0 / 3,      123456789012345.0,
                                1.5e16, 1e-5,  6.02214076e23};

constexpr std::array<std::string_view, 7> kTexts = {
    "12", "-0.5", "3.14159265358979", "1.23456789012346E+15", "  42 ", "1E-05", "0.000123"};

void numberTextOfValues(benchmark::State& state) {
    for (auto _ : state) {
        for (double value : kValues) benchmark::DoNotOptimize(numberText(value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(numberTextOfValues);

template <Checked<double> (*read)(std::string_view)>
void readTexts(benchmark::State& state) {
    for (auto _ : state) {
        for (std::string_view text : kTexts) benchmark::DoNotOptimize(read(text));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(readTexts<numericValue>)->Name("lenientReading");
BENCHMARK(readTexts<strictValue>)->Name("strictReading");

// "=" with all five operator registers and the repeat register set; the argument is the press
// counter before the press: 0 for a first "=", 5 for a repeated one.
void equalsWithEveryRegister(benchmark::State& state) {
    Form1 form;
    const std::pair<TextBox*, std::string_view> registers[] = {
        {&form.Text2, "3"}, {&form.Text3, "1.5"}, {&form.Text4, "2"},
        {&form.Text5, "4"}, {&form.Text6, "7"},   {&form.Text7, "1.01"}};
    for (const auto& [field, text] : registers) field->Text = text;
    const std::string counter = integerText(static_cast<std::int32_t>(state.range(0)));
    for (auto _ : state) {
        form.Text1.Text = "12";
        form.Label1.Caption = counter;
        form.Command14_Click();
    }
    if (form.lastRefusal()) state.SkipWithError("\"=\" was refused");
}
BENCHMARK(equalsWithEveryRegister)->ArgName("counter")->Arg(0)->Arg(5);

// One function key (by its button number) on a display of 47.125.
void functionKey(benchmark::State& state) {
    const ButtonBinding& key = buttonBindings[static_cast<std::size_t>(state.range(0) - 1)];
    Form1 form;
    for (auto _ : state) {
        form.Text1.Text = "47.125";
        (form.*key.click)();
    }
    if (form.lastRefusal()) state.SkipWithError("the key was refused");
    state.SetLabel((form.*key.button).Caption);
}
BENCHMARK(functionKey)->ArgName("button")->DenseRange(20, 25)->DenseRange(27, 30)->Arg(17);

// One million events decoded from random bytes (a fixed seed), replayed on a new Form1.
void replayRandomEvents(benchmark::State& state) {
    constexpr std::int64_t kEvents = 1'000'000;
    std::mt19937 random(2024);
    std::vector<std::uint8_t> bytes(8 * kEvents);
    for (std::uint8_t& byte : bytes) byte = static_cast<std::uint8_t>(random());

    for (auto _ : state) {
        Form1 form;
        harness::EventScript script(bytes);
        harness::Event event;
        std::int64_t replayed = 0;
        while (replayed < kEvents && script.next(event)) {
            harness::apply(form, event);
            ++replayed;
        }
        if (replayed < kEvents) state.SkipWithError("the script ran out of events");
        benchmark::DoNotOptimize(form);
    }
    state.SetItemsProcessed(state.iterations() * kEvents);
}
BENCHMARK(replayRandomEvents)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace numbrel
