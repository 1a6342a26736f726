// Long texts in forms: reading a memo of many lines from a form file, and typing a long text into
// an edit and into a memo through the simulated keyboard. Each grows linearly with its length.

#include <benchmark/benchmark.h>

#include <string>

#include "platform/vcl/form_files.h"
#include "platform/vcl/forms.h"
#include "platform/vcl/stdctrls.h"
#include "platform/vcl/user_actions.h"

namespace {

std::string MemoFormText(int lines) {
  std::string text = "object MainForm: TForm\n  object Notes: TMemo\n    Lines.Strings = (\n";
  for (int i = 0; i < lines; ++i) text += "      'line " + std::to_string(i) + "'\n";
  return text + "    )\n  end\nend\n";
}

void BM_ReadMemoLines(benchmark::State& state) {
  RegisterStandardControls();
  const std::string text = MemoFormText(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ReadComponentsText(text));
  state.SetComplexityN(state.range(0));
  ResetWindowingForTests();
}

// Types `range(0)` letters into a new control of class T on a shown form.
template <typename T>
void BM_TypeInto(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto* form = Application().CreateForm<TForm>();
    form->SetBounds(10, 10, 400, 300);
    auto* edit = new T(form);
    edit->SetParent(form);
    edit->SetBounds(10, 10, 200, 100);
    form->Show();
    edit->SetFocus();
    ProcessPendingMessages();
    state.ResumeTiming();
    for (int64_t i = 0; i < state.range(0); ++i) SimulateTypedKeyStroke('A' + i % 26);
    state.PauseTiming();
    DoneApplication();
    ResetWindowingForTests();
    state.ResumeTiming();
  }
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(BM_ReadMemoLines)->RangeMultiplier(10)->Range(1000, 100000)->Complexity();
BENCHMARK(BM_TypeInto<TEdit>)->RangeMultiplier(10)->Range(1000, 100000)->Complexity();
BENCHMARK(BM_TypeInto<TMemo>)->RangeMultiplier(10)->Range(1000, 100000)->Complexity();
